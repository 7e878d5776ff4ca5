// Following jobs after the spooler took them: the spooler's reports in, a sentence out each
// time a job's state changes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/job_tracker.h"

namespace print {

// How often a job in the spooler is asked about.
inline constexpr unsigned kFollowIntervalMs = 1000;

enum class FollowState {
  kInSpooler,  // waiting or being sent
  kStopped,    // waiting or being sent on a stopped queue or printer
  kSent,
  kFailed,
  kCancelled,
};

class JobFollower {
 public:
  // Takes the spooler's latest report. Returns the sentence to say when the job's state
  // changed to one worth saying, else an empty string: each state is said once, a return
  // to the queue after a stop is not said, and nothing more after the job ended.
  std::string Observe(const platform::JobReport& report);
  bool Ended() const;
  // The sentence of the current state, with the spooler's reason after an ideographic space.
  std::string Sentence() const;

 private:
  FollowState state_ = FollowState::kInSpooler;
  std::string reason_;
};

// The jobs of one run of the program.
class JobWatch {
 public:
  // Follows a new job; it becomes the last job.
  void Add(std::unique_ptr<platform::JobTracker> tracker);
  // Asks the spooler about each job that has not ended; the sentences to say, in order.
  std::vector<std::string> Poll();
  // Some job has not ended.
  bool Following() const;
  // The sentence of the last job's state; empty when no job was followed yet.
  std::string LastJobSentence() const;

 private:
  struct Job {
    std::unique_ptr<platform::JobTracker> tracker;
    JobFollower follower;
  };
  std::vector<Job> jobs_;
};

}  // namespace print
