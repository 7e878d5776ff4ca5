// Reading the pages before printing: the page reading window and the paper a print takes.
#include "app/varnel_dlg.h"
#include "preview/read_pages_dlg.h"
#include "print/job_rules.h"
#include "print/sheet_count.h"
#include "speech/sentences.h"

void CVarnelDlg::OnKeyReadPages() {
  if (m_strFilePath.empty()) return Say(speech::kNoFile);
  UpdateData(true);
  const int focused = GetFocusedId();
  UseDocument([&](const document::BrailleDocument& doc) {
    CReadPagesDlg pages(*this, doc);
    pages.DoModal(Host());
  });
  if (focused != 0) GotoDlgCtrl(focused);
}

std::string_view CVarnelDlg::RangeRefusal() const {
  const auto refusal =
      print::CheckRangeAndCopies(m_nStartPage, m_nEndPage, m_nCopies, m_nDocPageCount);
  return refusal ? refusal->message : std::string_view();
}

std::int64_t CVarnelDlg::SheetCount(const document::BrailleDocument& doc) const {
  return print::CountSheets(doc, JobSpecFor(m_nStartPage, m_nEndPage, m_nCopies));
}

void CVarnelDlg::SaySheets(const document::BrailleDocument& doc, platform::DialogHost* window) {
  const std::string_view refusal = RangeRefusal();
  Say(refusal.empty() ? speech::SheetsSentence(SheetCount(doc)) : std::string(refusal), window);
}
