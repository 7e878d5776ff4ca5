#include "platform/spoolers/stall_limit.h"

namespace platform {

StallLimit::StallLimit(std::chrono::milliseconds limit, Clock now, std::chrono::milliseconds gap)
    : limit_(limit), now_(std::move(now)), gap_(gap) {}

bool StallLimit::operator()() {
  const std::chrono::steady_clock::time_point now = now_();
  if (!lastCall_ || now - *lastCall_ > gap_) stallStart_ = now;
  lastCall_ = now;
  return now - *stallStart_ < limit_;
}

}  // namespace platform
