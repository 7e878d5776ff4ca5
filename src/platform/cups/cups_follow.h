// Following a CUPS job after its document ended: the job's state and its queue's, asked
// for with Get-Job-Attributes and Get-Printer-Attributes on a thread of their own, so that
// a slow server never holds up the window that asks.
#pragma once

#include <memory>
#include <string>

#include "platform/job_tracker.h"

namespace platform::cups {

std::unique_ptr<JobTracker> FollowJob(std::string printer, int job);

}  // namespace platform::cups
