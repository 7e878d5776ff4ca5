// The embosser byte stream: control sequences by model, text and blank lines, page ends
// and blank pages. Every byte goes to the spooler on its own.
#include <string_view>

#include "app/varnel_dlg.h"
#include "print/progress_dlg.h"
#include "printers/models.h"

namespace {

using Seq = std::string_view;
constexpr Seq kEscN = "\x1b\x1bN";
constexpr Seq kEscF14 = "\x1b\x1b" "F14";
constexpr Seq kEscF00 = "\x1b\x1b" "F00";
constexpr Seq kEscF07 = "\x1b\x1b" "F07";
constexpr Seq kEscP6 = "\x1b\x1bP6";
constexpr Seq kEscP2 = "\x1b\x1bP2";
constexpr Seq kSpaceLine = " \r\n";
constexpr Seq kBlankLine = "  \r\n";
constexpr std::uint8_t kFormFeed = 0x0C;
constexpr int kBlankPageLines = 18;

std::span<const std::uint8_t> AsBytes(std::string_view s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

bool IsTrailingWhite(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

void CVarnelDlg::WriteByte(std::uint8_t byte) {
  m_chOut = byte;
  if (m_bJobFailed || !m_hPrinter) return;
  // A write that fails or takes nothing stops the job: what follows would never arrive.
  if (!m_hPrinter->Write(&m_chOut, 1, &m_dwWritten) || m_dwWritten != 1) m_bJobFailed = true;
  ThrottleForPort();
}

void CVarnelDlg::ThrottleForPort() {
  if (m_bThrottlePort) Services().clock.Sleep(2, platform::WaitPurpose::kDevicePacing);
}

void CVarnelDlg::WriteBytes(std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) WriteByte(b);
}

void CVarnelDlg::JobStartEvent() {
  if (printers::IsControlCodeModel(m_strModel)) WriteBytes(AsBytes(kEscN));
}

bool CVarnelDlg::PageStartEvent() {
  if (!printers::IsControlCodeModel(m_strModel)) return false;
  switch (m_nDocLinesPerPage) {
    case 18:
      if (m_nSides == 2) {
        // The back side starts one line down: its first line is not embossed.
        WriteBytes(AsBytes(kEscF07));
        WriteBytes(AsBytes(kSpaceLine));
        WriteBytes(AsBytes(kEscF14));
        return true;
      }
      WriteBytes(AsBytes(kEscF14));
      return false;
    case 22:
      WriteBytes(AsBytes(kEscF00));
      return false;
    case 24:
      WriteBytes(AsBytes(kEscP6));
      return false;
    case 35:
      WriteBytes(AsBytes(kEscF07));
      return false;
    default:
      return false;
  }
}

void CVarnelDlg::PageGraphicsEvent() {
  if (!printers::IsGraphicsModel(m_strModel) || m_bGraphics != 1) return;
  if (m_nCurPage < 0 || static_cast<std::size_t>(m_nCurPage) >= m_arrPageGraphics.size()) return;
  if (m_arrPageGraphics[static_cast<std::size_t>(m_nCurPage)].empty()) return;
  WritePageGraphics();
}

void CVarnelDlg::TextLineEvent(const std::string& line) {
  std::string_view text = line;
  while (!text.empty() && IsTrailingWhite(text.back())) text.remove_suffix(1);
  if (text.empty()) text = "  ";
  WriteBytes(AsBytes(text));
  WriteByte(0x0D);
  WriteByte(0x0A);
}

void CVarnelDlg::BlankLineEvent() { WriteBytes(AsBytes(kBlankLine)); }

void CVarnelDlg::PageEndEvent() {
  if (m_bPageBreak == 1 || m_strFileExt == "EDL" || m_strFileExt == "edl") WriteByte(kFormFeed);
}

void CVarnelDlg::WriteBlankPage() {
  for (int i = 0; i < kBlankPageLines; ++i) BlankLineEvent();
  if (m_bPageBreak == 1) WriteByte(kFormFeed);
}

void CVarnelDlg::BlankBackPageEvent() {
  if (m_nDocLinesPerPage == 18 && m_nSides == 0 && printers::IsBlankBackModel(m_strModel)) {
    WriteBlankPage();
  }
}

void CVarnelDlg::CopyEndEvent() {
  // Double-sided with an odd number of pages: a blank back keeps the next copy's first
  // page on a front side.
  if (m_nDocLinesPerPage == 18 && m_nSides == 3 && (m_nJobEnd - m_nJobStart) % 2 == 0) {
    WriteBlankPage();
  }
}

void CVarnelDlg::JobEndEvent() {
  if (!printers::IsControlCodeModel(m_strModel)) return;
  if (m_nDocLinesPerPage == 24) WriteBytes(AsBytes(kEscP2));
  WriteBytes(AsBytes(kEscF00));
}
