#include <csignal>

#include "cli/cli_session.h"
#include "platform/dirspool/pending_file.h"

namespace cli {

namespace {

void RemoveAndEnd(int signal) {
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
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

}  // namespace cli
