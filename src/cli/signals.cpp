#include <csignal>

#include "cli/cli_session.h"
#include "platform/dirspool/pending_file.h"
#include "platform/job_termination.h"

namespace cli {

namespace {

// A job held on a CUPS server is cancelled by the main flow, which then ends the program
// as the signal would have (libcups cannot be called here). Without such a job, or at a
// second signal, the program ends at once.
void OnSignal(int signal) {
  if (platform::JobsUnderWay() && !platform::TerminationRequested()) {
    platform::RequestTermination(signal);
    return;
  }
  platform::RemovePendingFiles();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void RemovePendingFilesOnSignals() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old = {};
    // A signal the caller chose to ignore (nohup, a background job) stays ignored.
    if (::sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

void EndAsSignalled() {
  const int signal = platform::TerminationSignal();
  if (signal == 0) return;
  platform::RemovePendingFiles();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace cli
