// The running job's bytes on their way to the spooler: one write per byte, or one per run
// where the spooler's writes only fill a buffer, and the pause a parallel port needs after
// each byte (the encoder asks for it).
#include "app/varnel_dlg.h"

void CVarnelDlg::WriteByte(std::uint8_t byte) {
  m_chOut = byte;
  if (m_bJobFailed || !m_hPrinter) return;
  // A write that fails or takes nothing stops the job: what follows would never arrive.
  if (!m_hPrinter->Write(&m_chOut, 1, &m_dwWritten) || m_dwWritten != 1) m_bJobFailed = true;
}

void CVarnelDlg::WriteBytes(std::span<const std::uint8_t> bytes) {
  if (m_bJobFailed || !m_hPrinter || bytes.empty()) return;
  if (!m_hPrinter->TakesRuns()) {
    for (std::uint8_t b : bytes) {
      WriteByte(b);
      if (m_bJobFailed) return;
    }
    return;
  }
  const auto size = static_cast<std::uint32_t>(bytes.size());
  if (!m_hPrinter->Write(bytes.data(), size, &m_dwWritten) || m_dwWritten != size) {
    m_bJobFailed = true;
  }
}

void CVarnelDlg::ThrottleForPort() {
  if (m_bThrottlePort) Services().clock.Sleep(2, platform::WaitPurpose::kDevicePacing);
}
