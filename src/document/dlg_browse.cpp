// Choosing the file to print: the open-file dialog, the reader for the extension (letter
// case counts: "Bse" is refused), then the file information, the option rules, and the
// range and copies reset.
#include <string_view>

#include "app/varnel_dlg.h"
#include "document/formats.h"
#include "print/job_spec.h"
#include "res/messages.h"

namespace {

constexpr std::string_view kTitle = "印刷ファイル";
constexpr std::string_view kFilter =
    "点字データ(*.BSE *.BES *.NAB *.EDL)|*.BSE;*.BES;*.NAB;*.EDL|ＢＡＳＥデータ(*.BSE)|*.BSE|"
    "Win-BESデータ(*.BES)|*.BES|コータクン・データ(*.NAB)|*.NAB|エーデル・データ(*.EDL)|*.EDL|"
    "全てのファイル(*.*)|*.*||";

// The extension of the file name, without the dot; empty when it has none.
std::string ExtensionOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < name) return {};
  return path.substr(dot + 1);
}

}  // namespace

void CVarnelDlg::OnBrowse() {
  const std::optional<std::string> chosen =
      Services().fileChooser.ChooseFileToOpen(kTitle, kFilter);
  if (!chosen) return;
  m_strFilePath = *chosen;
  m_strFileExt = ExtensionOf(m_strFilePath);

  m_bDocHasGraphics = 0;
  m_arrPageGraphics.clear();
  m_arrLines.clear();

  const std::optional<document::Format> format = document::FormatOfExtension(m_strFileExt);
  bool read = false;
  if (!format) {
    MessageBox(res::kUnknownFormat, res::kAppName, platform::kMbOk | platform::kMbIconStop);
  } else if (*format == document::Format::kWinBes) {
    read = ReadWinBes();
  } else if (*format == document::Format::kEdel) {
    read = ReadEdel();
  } else {
    read = ReadBaseNab();
  }
  // A file that could not be read leaves no document behind, not even the previous one's
  // page count: Print would otherwise emboss that many pages of blank lines.
  if (!read) ForgetDocument();

  m_edtFileName.SetWindowText(m_strFilePath);
  m_nCharsPerLine = m_nDocCharsPerLine;
  m_nLinesPerPage = m_nDocLinesPerPage;
  m_nPageCount = m_nDocPageCount;
  m_nSides = print::kSidesSingle;
  const document::FormatGraphics graphics = document::GraphicsOfExtension(m_strFileExt);
  if (m_bDocHasGraphics == 1 && graphics == document::FormatGraphics::kSwitchable) {
    m_strGraphicsInfo = "図形あり";
  } else if (m_bDocHasGraphics == 1 && graphics == document::FormatGraphics::kOnly) {
    m_strGraphicsInfo = "図形のみ";
  } else {
    m_strGraphicsInfo = "図形なし";
  }
  UpdateData(false);

  ApplySidesRule();
  ApplyGraphicsRule();
  ApplyPageBreakRule();

  m_edtStartPage.SetWindowText("1");
  m_nStartPage = 1;
  m_edtEndPage.SetWindowText(std::to_string(m_nDocPageCount));
  m_nEndPage = m_nDocPageCount;
  m_edtCopies.SetWindowText("1");
  m_nCopies = 1;
}

void CVarnelDlg::ForgetDocument() {
  m_strFilePath.clear();
  m_strFileExt.clear();
  m_strFileHeader.clear();
  m_arrLines.clear();
  m_arrPageGraphics.clear();
  m_bDocHasGraphics = 0;
  m_nDocPageCount = 0;
  m_nDocLinesPerPage = 0;
  m_nDocCharsPerLine = 0;
}
