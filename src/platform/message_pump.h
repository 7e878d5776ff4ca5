#pragma once

namespace platform {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Handles every message already waiting for the program's windows, then returns.
  // Never waits for new ones.
  virtual void PumpPending() = 0;
};

}  // namespace platform
