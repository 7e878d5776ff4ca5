// Keeping the windows alive while the program works or waits on its one thread: the
// message pump of a print job, and a clock whose waits go on handling messages.
#pragma once

#include "platform/clock.h"
#include "platform/message_pump.h"

namespace platform::win32 {

class WindowSystem;

class MessagePump : public platform::MessagePump {
 public:
  explicit MessagePump(WindowSystem& windows) : windows_(windows) {}
  // Takes every message waiting for the thread's windows and hands each to the window
  // system (so Esc and Enter reach the progress window's keyboard handling); never
  // waits for more. A quit request is left in the queue for the loop that ends on it.
  void PumpPending() override;

 private:
  WindowSystem& windows_;
};

class Clock : public platform::Clock {
 public:
  explicit Clock(platform::MessagePump& pump) : pump_(pump) {}
  // Waits for the time, handling the messages that arrive meanwhile, so that the windows
  // repaint and the clipboard is served. Both kinds of wait are real.
  void Sleep(unsigned milliseconds, WaitPurpose purpose) override;

 private:
  platform::MessagePump& pump_;
};

}  // namespace platform::win32
