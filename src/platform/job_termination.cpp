#include "platform/job_termination.h"

#include <atomic>

namespace platform {

namespace {

std::atomic<int> g_signal{0};
std::atomic<int> g_jobs{0};
static_assert(std::atomic<int>::is_always_lock_free, "read and written by signal handlers");

}  // namespace

void RequestTermination(int signal) { g_signal.store(signal); }
bool TerminationRequested() { return g_signal.load() != 0; }
int TerminationSignal() { return g_signal.load(); }

JobUnderWay::JobUnderWay() { ++g_jobs; }
JobUnderWay::~JobUnderWay() { --g_jobs; }
bool JobsUnderWay() { return g_jobs.load() > 0; }

}  // namespace platform
