#include "print/job_follow.h"

#include <algorithm>

#include "speech/sentences.h"

namespace print {

namespace {

FollowState Next(FollowState now, const platform::JobReport& report) {
  switch (report.phase) {
    case platform::JobPhase::kSent:
      return FollowState::kSent;
    case platform::JobPhase::kFailed:
      return FollowState::kFailed;
    case platform::JobPhase::kCancelled:
      return FollowState::kCancelled;
    case platform::JobPhase::kGone:
      // A spooler that deletes finished jobs: one that vanished while its printer was
      // stopped never got through; otherwise it was sent.
      return now == FollowState::kStopped ? FollowState::kFailed : FollowState::kSent;
    case platform::JobPhase::kQueued:
      break;
  }
  return report.printerStopped ? FollowState::kStopped : FollowState::kInSpooler;
}

}  // namespace

bool JobFollower::Ended() const {
  return state_ == FollowState::kSent || state_ == FollowState::kFailed ||
         state_ == FollowState::kCancelled;
}

std::string JobFollower::Observe(const platform::JobReport& report) {
  if (Ended()) return {};
  const FollowState next = Next(state_, report);
  if (next == state_) return {};
  // A vanished job keeps the reason its printer gave while it was stopped.
  if (report.phase != platform::JobPhase::kGone || !report.reason.empty()) reason_ = report.reason;
  state_ = next;
  return state_ == FollowState::kInSpooler ? std::string() : Sentence();
}

std::string JobFollower::Sentence() const {
  std::string_view text;
  switch (state_) {
    case FollowState::kInSpooler:
      return std::string(speech::kJobInSpooler);
    case FollowState::kSent:
      // The spooler's words on a job that went through add nothing.
      return std::string(speech::kJobSent);
    case FollowState::kStopped:
      text = speech::kEmbosserStopped;
      break;
    case FollowState::kFailed:
      text = speech::kJobNotSent;
      break;
    case FollowState::kCancelled:
      text = speech::kJobCancelled;
      break;
  }
  std::string sentence(text);
  if (!reason_.empty()) sentence += "\u3000" + reason_;
  return sentence;
}

void JobWatch::Add(std::unique_ptr<platform::JobTracker> tracker) {
  jobs_.push_back({std::move(tracker), {}});
}

std::vector<std::string> JobWatch::Poll() {
  std::vector<std::string> said;
  for (Job& job : jobs_) {
    platform::JobReport report;
    if (job.follower.Ended() || !job.tracker->Poll(report)) continue;
    std::string sentence = job.follower.Observe(report);
    if (!sentence.empty()) said.push_back(std::move(sentence));
    // A job that ended needs its spooler no more.
    if (job.follower.Ended()) job.tracker.reset();
  }
  // Of the jobs that ended, only the last one is kept (Alt+J tells its end).
  for (std::size_t i = jobs_.size(); i-- > 1;) {
    if (jobs_[i - 1].follower.Ended()) jobs_.erase(jobs_.begin() + static_cast<long>(i - 1));
  }
  return said;
}

bool JobWatch::Following() const {
  return std::any_of(jobs_.begin(), jobs_.end(),
                     [](const Job& job) { return !job.follower.Ended(); });
}

std::string JobWatch::LastJobSentence() const {
  return jobs_.empty() ? std::string() : jobs_.back().follower.Sentence();
}

}  // namespace print
