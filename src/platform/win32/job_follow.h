// Following a job of the Windows spooler after its document ended: GetJob for the job's
// status and the spooler's words, GetPrinter for its printer's.
#pragma once

#include <memory>
#include <string>

#include "platform/job_tracker.h"

namespace platform::win32 {

// Follows the job `job` (StartDocPrinter's number) of the printer of that name, on a
// handle of its own.
std::unique_ptr<JobTracker> FollowJob(std::wstring printer, unsigned long job);

}  // namespace platform::win32
