// A waiting policy for a program without windows to keep alive: wait on a silent CUPS
// server, but give the request up once the server has been stalled for a while.
#pragma once

#include <chrono>
#include <functional>
#include <optional>

namespace platform {

class StallLimit {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // The policy is asked about once a second while the server stays silent. Calls closer
  // together than `gap` belong to one stall; the stall lasts from the first of them.
  explicit StallLimit(
      std::chrono::milliseconds limit, Clock now = [] { return std::chrono::steady_clock::now(); },
      std::chrono::milliseconds gap = std::chrono::milliseconds(2000));

  // True to keep waiting: the current stall is still shorter than the limit.
  bool operator()();

 private:
  std::chrono::milliseconds limit_;
  Clock now_;
  std::chrono::milliseconds gap_;
  std::optional<std::chrono::steady_clock::time_point> stallStart_;
  std::optional<std::chrono::steady_clock::time_point> lastCall_;
};

}  // namespace platform
