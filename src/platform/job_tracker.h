// What the spooler tells about a job after its document ended: whether it still holds the
// job, sent it to the device, could not send it, or had it cancelled.
#pragma once

#include <memory>
#include <string>

namespace platform {

enum class JobPhase {
  kQueued,     // the spooler holds the job: waiting, or sending it
  kSent,       // the spooler sent all of it to the device
  kFailed,     // the spooler could not send it
  kCancelled,  // cancelled in the spooler, by anyone or by a time limit
  kGone,       // the spooler no longer knows the job (Windows deletes a finished one)
};

struct JobReport {
  JobPhase phase = JobPhase::kQueued;
  // The queue or the printer stopped: an error, offline, out of paper.
  bool printerStopped = false;
  // The spooler's own words about the job or its printer (UTF-8); empty when it gave none.
  std::string reason;
};

// Follows one job the spooler took.
class JobTracker {
 public:
  virtual ~JobTracker() = default;
  // Sets `report` to the job's latest state. False when there is no news of it this time
  // (the spooler cannot be asked, or has not answered yet). Never waits on the spooler.
  virtual bool Poll(JobReport& report) = 0;
};

// A job with no spooler behind it: sent once its document is complete.
class CompleteJob : public JobTracker {
 public:
  bool Poll(JobReport& report) override {
    report = {JobPhase::kSent, false, {}};
    return true;
  }
};

}  // namespace platform
