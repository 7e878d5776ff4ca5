// Keeping the windows alive while the program works or waits on the one thread: the
// message pump, and a clock whose waits go on handling events.
#pragma once

#include "platform/clock.h"
#include "platform/message_pump.h"

namespace platform::wx {

class MessagePump : public platform::MessagePump {
 public:
  // Handles the events already waiting, of every kind; never waits for more. Nothing
  // runs before an event loop does.
  void PumpPending() override;
};

class Clock : public platform::Clock {
 public:
  explicit Clock(platform::MessagePump& pump) : pump_(pump) {}
  // Waits in short steps and pumps events between them, so that the windows repaint and
  // the clipboard text is served meanwhile. Both kinds of wait are real.
  void Sleep(unsigned milliseconds, WaitPurpose purpose) override;

 private:
  platform::MessagePump& pump_;
};

}  // namespace platform::wx
