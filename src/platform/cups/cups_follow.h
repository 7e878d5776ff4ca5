// Following a CUPS job after its document ended: the job's state and its queue's, asked
// for with Get-Job-Attributes and Get-Printer-Attributes on a thread of its own, so that
// a slow server never holds up the window that asks.
#pragma once

#include <cups/cups.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/job_tracker.h"

namespace platform::cups {

class JobFollow : public JobTracker {
 public:
  JobFollow(std::string printer, int job);
  ~JobFollow() override;
  JobFollow(const JobFollow&) = delete;
  JobFollow& operator=(const JobFollow&) = delete;

  bool Poll(JobReport& report) override;

 private:
  void Run();

  const std::string printer_;
  const int job_;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::condition_variable wake_;
  // The latest answer the caller has not taken yet.
  std::optional<JobReport> news_;
  std::thread worker_;
};

// The job's state and its queue's from one pair of requests on `http`; false when the
// server did not answer. A job the server no longer knows is kGone.
bool AskJob(http_t* http, const std::string& printer, int job, JobReport& report);

}  // namespace platform::cups
