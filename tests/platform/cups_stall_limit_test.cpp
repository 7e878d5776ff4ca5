// varnel-cli's patience with a stalled CUPS server.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/spoolers/stall_limit.h"

namespace {

using namespace std::chrono_literals;
using Time = std::chrono::steady_clock::time_point;

class StallLimitTest : public ::testing::Test {
 protected:
  platform::StallLimit Limit(std::chrono::milliseconds limit) {
    return platform::StallLimit(limit, [this] { return now_; });
  }
  Time now_{};
};

TEST_F(StallLimitTest, GivesUpOnceOneStallReachesTheLimit) {
  platform::StallLimit keepWaiting = Limit(30s);
  // Asked every second of silence: 30 seconds of it are tolerated, not 31.
  for (int second = 0; second < 30; ++second) {
    EXPECT_TRUE(keepWaiting()) << second;
    now_ += 1s;
  }
  EXPECT_FALSE(keepWaiting());
  now_ += 1s;
  EXPECT_FALSE(keepWaiting());
}

TEST_F(StallLimitTest, ProgressBetweenStallsStartsAFreshStall) {
  platform::StallLimit keepWaiting = Limit(5s);
  for (int round = 0; round < 4; ++round) {
    for (int second = 0; second < 5; ++second) {
      EXPECT_TRUE(keepWaiting()) << round << ' ' << second;
      now_ += 1s;
    }
    now_ += 3s;  // the server answered for a while: no call
  }
}

TEST_F(StallLimitTest, LateCallsOfABusyMachineStillBelongToTheStall) {
  platform::StallLimit keepWaiting = Limit(10s);
  // Calls 1.9 s apart are one stall; it ends at 10 s however the calls are spread.
  int calls = 0;
  while (keepWaiting()) {
    ++calls;
    now_ += 1900ms;
  }
  EXPECT_EQ(calls, 6);  // 0, 1.9, ... 9.5 s; the call at 11.4 s gives up
}

}  // namespace
