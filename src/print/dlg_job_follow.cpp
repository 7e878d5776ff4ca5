// Following the jobs the spooler took, on the window's timer: what became of each is said
// once it changes, and the window takes keys all the while.
#include "app/varnel_dlg.h"

void CVarnelDlg::FollowJob(std::unique_ptr<platform::JobTracker> tracker) {
  if (!tracker) return;
  m_jobWatch.Add(std::move(tracker));
  StartTimer(print::kFollowIntervalMs);
}

void CVarnelDlg::OnTimer() {
  // The sentences of the job being sent come first; earlier jobs' news waits for its end.
  if (m_bPrinting) return;
  for (const std::string& sentence : m_jobWatch.Poll()) Say(sentence);
  if (!m_jobWatch.Following()) StopTimer();
}
