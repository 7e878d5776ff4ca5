// The pace of waits on Windows.
#pragma once

namespace platform::win32 {

// While it lives, waits of a few milliseconds last about as long as asked: by default
// Windows ends a wait only at its timer tick, every 15.6 ms, so the 2 ms pause after each
// byte to a parallel port would last eight times too long.
class FineTimerResolution {
 public:
  FineTimerResolution();
  ~FineTimerResolution();
  FineTimerResolution(const FineTimerResolution&) = delete;
  FineTimerResolution& operator=(const FineTimerResolution&) = delete;

 private:
  bool active_;
};

}  // namespace platform::win32
