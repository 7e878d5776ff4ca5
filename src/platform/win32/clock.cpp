#include "platform/win32/clock.h"

#include <windows.h>
// After windows.h.
#include <timeapi.h>

namespace platform::win32 {

FineTimerResolution::FineTimerResolution() : active_(timeBeginPeriod(1) == TIMERR_NOERROR) {}

FineTimerResolution::~FineTimerResolution() {
  if (active_) timeEndPeriod(1);
}

}  // namespace platform::win32
