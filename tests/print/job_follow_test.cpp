// Following jobs: the spooler's reports in, each state change said once; and the dialog's
// timer and Alt+J on the headless host.
#include "print/job_follow.h"

#include <gmock/gmock.h>

#include "print/print_fixture.h"
#include "speech/sentences.h"

namespace test {
namespace {

using platform::JobPhase;
using platform::JobReport;
using ::testing::ElementsAre;

const JobReport kQueued{JobPhase::kQueued, false, {}};
JobReport Stopped(std::string why) { return {JobPhase::kQueued, true, std::move(why)}; }

// What a follower says for each report in turn (an empty string: nothing).
std::vector<std::string> Said(const std::vector<JobReport>& reports) {
  print::JobFollower follower;
  std::vector<std::string> said;
  for (const JobReport& r : reports) said.push_back(follower.Observe(r));
  return said;
}

std::string S(std::string_view sentence, std::string_view reason = {}) {
  return std::string(sentence) + (reason.empty() ? "" : "\u3000" + std::string(reason));
}

TEST(JobFollower, SaysEachEndOnceWithTheSpoolersReasonAndNothingAfterIt) {
  EXPECT_THAT(Said({kQueued, {JobPhase::kSent, false, "idle"}, {JobPhase::kFailed, false, "x"}}),
              ElementsAre("", S(speech::kJobSent), ""));
  EXPECT_THAT(Said({{JobPhase::kFailed, false, "no device"}, kQueued}),
              ElementsAre(S(speech::kJobNotSent, "no device"), ""));
  EXPECT_THAT(Said({{JobPhase::kCancelled, false, {}}, {JobPhase::kSent, false, {}}}),
              ElementsAre(S(speech::kJobCancelled), ""));
}

TEST(JobFollower, SaysAStopOncePerStopAndThenTheEnd) {
  EXPECT_THAT(Said({Stopped("lid open"),
                    Stopped("lid still open"),
                    kQueued,
                    Stopped("jam"),
                    {JobPhase::kCancelled, true, {}}}),
              ElementsAre(S(speech::kEmbosserStopped, "lid open"), "", "",
                          S(speech::kEmbosserStopped, "jam"), S(speech::kJobCancelled)));
}

TEST(JobFollower, AVanishedJobWasSentUnlessItsPrinterWasStopped) {
  EXPECT_THAT(Said({kQueued, {JobPhase::kGone, false, {}}}), ElementsAre("", S(speech::kJobSent)));
  EXPECT_THAT(
      Said({Stopped("paper out"), {JobPhase::kGone, false, {}}}),
      ElementsAre(S(speech::kEmbosserStopped, "paper out"), S(speech::kJobNotSent, "paper out")));
  // A printer that came back before the job went: the job went through.
  EXPECT_THAT(Said({Stopped("paper out"), kQueued, {JobPhase::kGone, false, {}}}),
              ElementsAre(S(speech::kEmbosserStopped, "paper out"), "", S(speech::kJobSent)));
}

class JobFollowDialogTest : public PrintTest {
 protected:
  void SetUp() override {
    StartWith("ESA721");
    LoadPages(18, 1);
    spooler_.HoldJobs(true);
  }
  // The timer's interval passes; what was said then.
  std::vector<std::string> Tick() {
    const std::size_t before = clipboard_.History().size();
    EXPECT_TRUE(host().FireTimer());
    return {clipboard_.History().begin() + static_cast<long>(before), clipboard_.History().end()};
  }
  std::string AltJ() {
    host().PressAlt('J');
    return clipboard_.Text();
  }
};

TEST_F(JobFollowDialogTest, FollowsEveryJobOnTheTimerAndAltJTellsTheLastOne) {
  EXPECT_EQ(AltJ(), speech::kNothingPrinted);
  EXPECT_EQ(host().TimerInterval(), 0u);
  Print();
  Print();
  EXPECT_EQ(host().TimerInterval(), print::kFollowIntervalMs);
  EXPECT_THAT(Tick(), ElementsAre());
  EXPECT_EQ(AltJ(), speech::kJobInSpooler);

  spooler_.ReportJob(0, Stopped("paper out"));
  spooler_.ReportJob(1, Stopped("paper out"));
  EXPECT_THAT(Tick(), ElementsAre(S(speech::kEmbosserStopped, "paper out"),
                                  S(speech::kEmbosserStopped, "paper out")));
  // Another key between the follow-ups; the window answers at once.
  host().PressAlt('9');
  spooler_.ReportJob(1, {JobPhase::kSent, false, {}});
  EXPECT_THAT(Tick(), ElementsAre(S(speech::kJobSent)));
  EXPECT_EQ(AltJ(), speech::kJobSent);
  spooler_.ReportJob(0, {JobPhase::kCancelled, false, {}});
  EXPECT_THAT(Tick(), ElementsAre(S(speech::kJobCancelled)));
  // The first job ended last, but Alt+J tells the last job printed; nothing more to follow.
  EXPECT_EQ(AltJ(), speech::kJobSent);
  EXPECT_EQ(host().TimerInterval(), 0u);
}

TEST_F(JobFollowDialogTest, AFailedJobIsNotFollowedAndClosingStopsFollowing) {
  spooler_.FailEndDocument(true);
  Print();
  EXPECT_EQ(host().TimerInterval(), 0u);
  EXPECT_EQ(AltJ(), speech::kNothingPrinted);
  spooler_.FailEndDocument(false);
  Print();
  host().CloseBox();
  EXPECT_FALSE(host().FireTimer());
}

}  // namespace
}  // namespace test
