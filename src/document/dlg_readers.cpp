// The three readers: each reads m_strFilePath by the format table and fills the document,
// or reports its failure, leaves the document as the clearing left it and returns false.
#include "app/varnel_dlg.h"
#include "document/braille_document.h"
#include "document/formats.h"

namespace {

// Reads m_strFilePath as `format`; on a refusal the reader's message is shown.
bool Read(CVarnelDlg& dlg, document::Format format) {
  std::vector<std::uint8_t> bytes;
  if (!dlg.ReadFileBytes(bytes)) return false;
  auto read = document::ReadFormat(format, bytes);
  if (const auto* refusal = std::get_if<std::string_view>(&read)) {
    dlg.MessageBox(*refusal, "Varnel", platform::kMbOk);
    return false;
  }
  dlg.InstallDocument(std::move(std::get<document::BrailleDocument>(read)));
  return true;
}

}  // namespace

bool CVarnelDlg::ReadBaseNab() { return Read(*this, document::Format::kBase); }
bool CVarnelDlg::ReadWinBes() { return Read(*this, document::Format::kWinBes); }
bool CVarnelDlg::ReadEdel() { return Read(*this, document::Format::kEdel); }
