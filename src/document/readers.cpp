// The three readers: each reads m_strFilePath and fills the document, or reports its
// failure, leaves the document as the clearing left it and returns false.
#include "app/varnel_dlg.h"
#include "document/braille_document.h"
#include "document/reader_messages.h"

namespace {

void Install(CVarnelDlg& dlg, document::BrailleDocument&& doc) {
  dlg.m_strFileHeader = std::move(doc.header);
  dlg.m_arrLines = std::move(doc.lines);
  dlg.m_arrPageGraphics = std::move(doc.pageGraphics);
  dlg.m_nDocPageCount = doc.pageCount;
  dlg.m_nDocLinesPerPage = doc.linesPerPage;
  dlg.m_nDocCharsPerLine = doc.charsPerLine;
  dlg.m_bDocHasGraphics = doc.hasGraphics;
}

std::string Prefix(const std::vector<std::uint8_t>& bytes, std::size_t n) {
  return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(
                                                        bytes.size() < n ? bytes.size() : n));
}

}  // namespace

bool CVarnelDlg::ReadBaseNab() {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(bytes)) return false;
  Install(*this, document::ParseBaseNab(bytes));
  return true;
}

bool CVarnelDlg::ReadWinBes() {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(bytes)) return false;
  std::optional<document::BrailleDocument> doc = document::ParseWinBes(bytes);
  if (!doc) {
    m_strFileHeader = Prefix(bytes, 5);
    MessageBox(document::kWrongVersionMessage, "Varnel", platform::kMbOk);
    return false;
  }
  Install(*this, std::move(*doc));
  return true;
}

bool CVarnelDlg::ReadEdel() {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(bytes)) return false;
  std::optional<document::BrailleDocument> doc = document::ParseEdel(bytes);
  if (!doc) {
    m_strFileHeader = Prefix(bytes, 4);
    MessageBox(document::kNotEdelMessage, "Varnel", platform::kMbOk);
    return false;
  }
  // The page geometry is set by the file selection.
  m_strFileHeader = std::move(doc->header);
  m_arrPageGraphics = std::move(doc->pageGraphics);
  m_nDocPageCount = doc->pageCount;
  m_bDocHasGraphics = doc->hasGraphics;
  return true;
}
