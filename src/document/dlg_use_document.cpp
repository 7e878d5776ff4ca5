// The loaded document as the readers make it and the encoder and the page views take it.
#include "app/varnel_dlg.h"
#include "document/braille_document.h"

void CVarnelDlg::InstallDocument(document::BrailleDocument&& doc) {
  m_strFileHeader = std::move(doc.header);
  m_arrLines = std::move(doc.lines);
  m_arrPageGraphics = std::move(doc.pageGraphics);
  m_nDocPageCount = doc.pageCount;
  m_nDocLinesPerPage = doc.linesPerPage;
  m_nDocCharsPerLine = doc.charsPerLine;
  m_bDocHasGraphics = doc.hasGraphics;
}

document::BrailleDocument CVarnelDlg::TakeDocument() {
  document::BrailleDocument doc;
  doc.header = std::move(m_strFileHeader);
  doc.lines = std::move(m_arrLines);
  doc.pageGraphics = std::move(m_arrPageGraphics);
  doc.pageCount = m_nDocPageCount;
  doc.linesPerPage = m_nDocLinesPerPage;
  doc.charsPerLine = m_nDocCharsPerLine;
  doc.hasGraphics = m_bDocHasGraphics;
  return doc;
}

void CVarnelDlg::UseDocument(const std::function<void(const document::BrailleDocument&)>& use) {
  // The document is lent, not copied (a large file holds tens of thousands of lines): the
  // main window takes no input while it is out, and it comes back however `use` ends.
  struct Lent {
    CVarnelDlg& dlg;
    document::BrailleDocument doc;
    explicit Lent(CVarnelDlg& d) : dlg(d), doc(d.TakeDocument()) {}
    ~Lent() { dlg.InstallDocument(std::move(doc)); }
    Lent(const Lent&) = delete;
    Lent& operator=(const Lent&) = delete;
  } lent(*this);
  use(lent.doc);
}
