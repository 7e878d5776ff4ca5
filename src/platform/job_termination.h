// A request to end the program (a signal) while a spooler job is under way that only the
// program's main flow can undo: the job then fails at its next write, its spooler cancels
// it, and the program ends as the request asked once the job is over.
#pragma once

namespace platform {

// Both are safe to call from a signal handler.
void RequestTermination(int signal);
bool TerminationRequested();
// The signal of the request; 0 when none was made.
int TerminationSignal();

// While one lives, a job is under way that a request to end the program must let the main
// flow cancel.
class JobUnderWay {
 public:
  JobUnderWay();
  ~JobUnderWay();
  JobUnderWay(const JobUnderWay&) = delete;
  JobUnderWay& operator=(const JobUnderWay&) = delete;
};

// Safe to call from a signal handler.
bool JobsUnderWay();

}  // namespace platform
