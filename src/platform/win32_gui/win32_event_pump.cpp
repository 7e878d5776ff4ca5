#include "platform/win32_gui/win32_event_pump.h"

#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_window_system.h"

namespace platform::win32 {

void MessagePump::PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    windows_.Route(msg);
  }
}

void Clock::Sleep(unsigned milliseconds, WaitPurpose) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    pump_.PumpPending();
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return;
    // Wakes for the first message to arrive, or at the end of the wait.
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

}  // namespace platform::win32
