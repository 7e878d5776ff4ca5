// The running job's bytes on their way to the spooler: one write per byte, and the pause
// a parallel port needs after each (the encoder asks for it).
#include "app/varnel_dlg.h"

void CVarnelDlg::WriteByte(std::uint8_t byte) {
  m_chOut = byte;
  if (m_bJobFailed || !m_hPrinter) return;
  // A write that fails or takes nothing stops the job: what follows would never arrive.
  if (!m_hPrinter->Write(&m_chOut, 1, &m_dwWritten) || m_dwWritten != 1) m_bJobFailed = true;
}

void CVarnelDlg::ThrottleForPort() {
  if (m_bThrottlePort) Services().clock.Sleep(2, platform::WaitPurpose::kDevicePacing);
}
