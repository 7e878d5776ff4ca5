// The loaded document as the encoder and the page views take it.
#include "app/varnel_dlg.h"
#include "document/braille_document.h"

void CVarnelDlg::UseDocument(const std::function<void(const document::BrailleDocument&)>& use) {
  // The document's lines are lent, not copied (a large file holds tens of thousands): the
  // main window takes no input while they are out, and they come back however `use` ends.
  struct Lent {
    CVarnelDlg& dlg;
    document::BrailleDocument doc;
    explicit Lent(CVarnelDlg& d) : dlg(d) {
      doc.lines = std::move(dlg.m_arrLines);
      doc.pageGraphics = std::move(dlg.m_arrPageGraphics);
      doc.linesPerPage = dlg.m_nDocLinesPerPage;
      doc.charsPerLine = dlg.m_nDocCharsPerLine;
      doc.pageCount = dlg.m_nDocPageCount;
      doc.hasGraphics = dlg.m_bDocHasGraphics;
    }
    ~Lent() {
      dlg.m_arrLines = std::move(doc.lines);
      dlg.m_arrPageGraphics = std::move(doc.pageGraphics);
    }
    Lent(const Lent&) = delete;
    Lent& operator=(const Lent&) = delete;
  } lent(*this);
  use(lent.doc);
}
