#pragma once

namespace platform {

// Why a wait is made: the embosser's pace, or time for the user to notice something.
enum class WaitPurpose {
  kDevicePacing,   // pauses between bytes to a slow port
  kUserInterface,  // pauses that let a window or a spoken sentence be noticed
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Waits about `milliseconds`. A clock behind real windows keeps them painting and
  // serving the clipboard while it waits.
  virtual void Sleep(unsigned milliseconds, WaitPurpose purpose) = 0;
};

}  // namespace platform
