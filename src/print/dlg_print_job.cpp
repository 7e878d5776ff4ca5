// The print job: the spooler document, the progress window, copies and pages in the
// order the sides choice prescribes, and the end-of-job sentence.
//
// A job whose bytes did not all reach the spooler is never reported as printed: at the
// first failed write, or when the document cannot be completed, the document is given
// up, the progress window closes and the failure is shown instead of the sentence.
#include <cstdint>
#include <utility>

#include "app/varnel_dlg.h"
#include "document/braille_document.h"
#include "document/formats.h"
#include "print/embosser_stream.h"
#include "print/progress_dlg.h"
#include "res/messages.h"
#include "speech/sentences.h"

void CVarnelDlg::RunPrintJob() {
  struct Printing {
    bool& flag;
    explicit Printing(bool& f) : flag(f) { flag = true; }
    ~Printing() { flag = false; }
    Printing(const Printing&) = delete;
    Printing& operator=(const Printing&) = delete;
  } printing(m_bPrinting);
  m_nJobStart = m_nStartPage;
  m_nJobEnd = m_nEndPage;
  m_nJobCopies = m_nCopies;
  m_szPrinterName = m_strPrinterName;
  m_szDocName = m_strFilePath;
  m_bJobFailed = false;
  m_bThrottlePort = m_strPort.find("LPT") != std::string::npos;

  m_hPrinter = Services().spooler.Open(m_szPrinterName);
  if (!m_hPrinter) {
    MessageBox(res::kOpenFailed, res::kErrorCaption, platform::kMbIconStop);
    return;
  }
  if (!m_hPrinter->StartDocument(m_szDocName)) {
    MessageBox(res::kPrintFailed, res::kErrorCaption, platform::kMbIconStop);
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
  std::unique_ptr<platform::JobTracker> tracker = m_hPrinter->FollowLastDocument();
  m_hPrinter->Close();
  m_hPrinter.reset();

  Say(speech::kPrintFinished);
  Services().clock.Sleep(2000, platform::WaitPurpose::kUserInterface);
  m_btnPrint.SetFocus();
  progress.DestroyWindow();
  // The window system may drop the focus of a disabled window: put it back on Print.
  m_btnPrint.SetFocus();
  FollowJob(std::move(tracker));
}

namespace {

// The spooler takes the bytes, through the dialog's own write.
class DialogSink : public print::ByteSink {
 public:
  explicit DialogSink(CVarnelDlg& dlg) : dlg_(dlg) {}
  bool Put(std::uint8_t byte) override {
    dlg_.WriteByte(byte);
    return !dlg_.m_bJobFailed;
  }
  bool PutRun(std::span<const std::uint8_t> bytes) override {
    dlg_.WriteBytes(bytes);
    return !dlg_.m_bJobFailed;
  }

 private:
  CVarnelDlg& dlg_;
};

// The progress window shows the job and takes the Cancel.
class ProgressObserver : public print::JobObserver {
 public:
  ProgressObserver(CVarnelDlg& dlg, CProgressDlg& progress) : dlg_(dlg), progress_(progress) {}
  void Progress(int percent) override { progress_.SetPos(percent); }
  void PageStarting(int copy, int copies, int page) override {
    dlg_.m_nCurPage = page - 1;
    progress_.SetStatusText("（ " + std::to_string(copy) + " ／ " + std::to_string(copies) +
                            " 部 ）　　" + std::to_string(page) + " 頁を印刷中です");
  }
  bool CancelRequested() override { return progress_.IsCancelRequested(); }
  void PaceAfterByte() override { dlg_.ThrottleForPort(); }

 private:
  CVarnelDlg& dlg_;
  CProgressDlg& progress_;
};

}  // namespace

print::JobSpec CVarnelDlg::RunningJobSpec() const {
  print::JobSpec spec = JobSpecFor(m_nJobStart, m_nJobEnd, m_nJobCopies);
  spec.pacePort = m_bThrottlePort;
  return spec;
}

print::JobSpec CVarnelDlg::JobSpecFor(int startPage, int endPage, int copies) const {
  print::JobSpec spec;
  spec.model = m_strModel;
  spec.linesPerPage = m_nDocLinesPerPage;
  spec.sides = m_nSides;
  spec.startPage = startPage;
  spec.endPage = endPage;
  spec.copies = copies;
  spec.pageBreak = m_bPageBreak == 1;
  spec.graphics = m_bGraphics == 1;
  spec.edel = document::IsDrawingExtension(m_strFileExt);
  return spec;
}

void CVarnelDlg::SendJob(CProgressDlg& progress) {
  UseDocument([&](const document::BrailleDocument& doc) {
    DialogSink sink(*this);
    ProgressObserver observer(*this, progress);
    print::EncodeJob(doc, RunningJobSpec(), sink, observer);
  });
}

void CVarnelDlg::FailJob(CProgressDlg& progress) {
  m_hPrinter->AbortDocument();
  m_hPrinter->Close();
  m_hPrinter.reset();
  progress.EndDialog(0);
  progress.DestroyWindow();
  MessageBox(res::kPrintFailed, res::kErrorCaption, platform::kMbIconStop);
  m_btnPrint.SetFocus();
}
