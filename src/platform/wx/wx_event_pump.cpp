#include "platform/wx/wx_event_pump.h"

#include <wx/evtloop.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace platform::wx {

namespace {

// Small enough that a click or a clipboard request is answered without a noticeable
// delay, large enough that a long wait costs next to nothing.
constexpr std::chrono::milliseconds kStep{10};

}  // namespace

void MessagePump::PumpPending() {
  // YieldFor, unlike wxYield, may run inside another yield (a wait inside a job's pump)
  // without complaint.
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_ALL);
}

void Clock::Sleep(unsigned milliseconds, WaitPurpose) {
  using Steady = std::chrono::steady_clock;
  const Steady::time_point end = Steady::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    pump_.PumpPending();
    const Steady::time_point now = Steady::now();
    if (now >= end) return;
    std::this_thread::sleep_for(
        std::min<Steady::duration>(end - now, std::chrono::duration_cast<Steady::duration>(kStep)));
  }
}

}  // namespace platform::wx
