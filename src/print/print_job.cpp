// The print job: the spooler document, the progress window, copies and pages in the
// order the sides choice prescribes, and the end-of-job sentence.
//
// A job whose bytes did not all reach the spooler is never reported as printed: at the
// first failed write, or when the document cannot be completed, the document is given
// up, the progress window closes and the failure is shown instead of the sentence.
#include <cstdint>

#include "app/varnel_dlg.h"
#include "print/progress_dlg.h"
#include "speech/sentences.h"

namespace {

constexpr std::string_view kError = "Error";
constexpr std::string_view kOpenFailed = "プリンタのオープンに失敗しました";
constexpr std::string_view kPrintFailed = "印刷できませんでした";

}  // namespace

void CVarnelDlg::RunPrintJob() {
  m_nJobStart = m_nStartPage;
  m_nJobEnd = m_nEndPage;
  m_nJobCopies = m_nCopies;
  m_szPrinterName = m_strPrinterName;
  m_szDocName = m_strFilePath;
  m_bJobFailed = false;
  m_bThrottlePort = m_strPort.find("LPT") != std::string::npos;

  m_hPrinter = Services().spooler.Open(m_szPrinterName);
  if (!m_hPrinter) {
    MessageBox(kOpenFailed, kError, platform::kMbIconStop);
    return;
  }
  if (!m_hPrinter->StartDocument(m_szDocName)) {
    MessageBox(kPrintFailed, kError, platform::kMbIconStop);
    m_hPrinter->Close();
    m_hPrinter.reset();
    return;
  }

  CProgressDlg progress(Services());
  progress.Create();
  progress.SetRange(0, 100);
  progress.SetWindowText("  印刷中  " + m_strFilePath);

  SendJob(progress);
  if (m_bJobFailed) return FailJob(progress);

  progress.SetPos(100);
  Services().clock.Sleep(200, platform::WaitPurpose::kUserInterface);
  progress.EndDialog(0);
  const bool delivered = m_hPrinter->EndDocument();
  if (!delivered) {
    m_bJobFailed = true;
    return FailJob(progress);
  }
  m_hPrinter->Close();
  m_hPrinter.reset();

  Say(speech::kPrintFinished);
  Services().clock.Sleep(2000, platform::WaitPurpose::kUserInterface);
  m_btnPrint.SetFocus();
  progress.DestroyWindow();
  // The window system may drop the focus of a disabled window: put it back on Print.
  m_btnPrint.SetFocus();
}

void CVarnelDlg::SendJob(CProgressDlg& progress) {
  const std::int64_t S = m_nJobStart;
  const std::int64_t E = m_nJobEnd;
  const std::int64_t C = m_nJobCopies;
  const std::int64_t L = m_nDocLinesPerPage;
  const std::int64_t total = (E - S + 1) * C;
  const std::int64_t lineCount = static_cast<std::int64_t>(m_arrLines.size());

  JobStartEvent();
  for (std::int64_t j = 0; j < C && !m_bJobFailed; ++j) {
    m_nCurPage = static_cast<int>(S - 1);
    while (m_nCurPage < E && !m_bJobFailed) {
      progress.SetPos(static_cast<int>(((E - S + 1) * j + (m_nCurPage + 1 - S)) * 100 / total));
      if (m_nSides == 1 && m_nCurPage % 2 == 1) ++m_nCurPage;  // front side: odd page numbers
      if (m_nSides == 2 && m_nCurPage % 2 == 0) ++m_nCurPage;  // back side: even page numbers
      if (m_nCurPage >= E) break;
      progress.SetStatusText("（ " + std::to_string(j + 1) + " ／ " + std::to_string(C) +
                             " 部 ）　　" + std::to_string(m_nCurPage + 1) + " 頁を印刷中です");

      std::int64_t i = PageStartEvent() ? 1 : 0;
      PageGraphicsEvent();
      const std::int64_t first = static_cast<std::int64_t>(m_nCurPage) * L;
      while (i < L && first + i < lineCount && !m_bJobFailed) {
        TextLineEvent(m_arrLines[static_cast<std::size_t>(first + i)]);
        ++i;
        if (progress.IsCancelRequested()) break;
      }
      // A page cut short by Cancel is still completed to its length.
      for (; i < L && !m_bJobFailed; ++i) BlankLineEvent();
      PageEndEvent();
      if (progress.IsCancelRequested()) break;
      BlankBackPageEvent();
      ++m_nCurPage;
    }
    CopyEndEvent();
    if (progress.IsCancelRequested()) break;
  }
  JobEndEvent();
}

void CVarnelDlg::FailJob(CProgressDlg& progress) {
  m_hPrinter->AbortDocument();
  m_hPrinter->Close();
  m_hPrinter.reset();
  progress.EndDialog(0);
  progress.DestroyWindow();
  MessageBox(kPrintFailed, kError, platform::kMbIconStop);
  m_btnPrint.SetFocus();
}
