// The Print button: the checks of the request in their order, at most one graphics
// warning, then the job.
#include <string_view>

#include "app/varnel_dlg.h"
#include "printers/models.h"

namespace {

constexpr std::string_view kCaption = "Varnel";
constexpr std::string_view kGraphicsHeld = "ファイルには図形データが含まれていますが";
constexpr std::string_view kBlankLine = "\r\n\r\n";

}  // namespace

void CVarnelDlg::OnPrint() {
  if (!ValidatePrintRequest()) return;
  RunPrintJob();
}

bool CVarnelDlg::ValidatePrintRequest() {
  auto refuse = [this](std::string_view message, platform::Edit* focus) {
    MessageBox(message, kCaption, platform::kMbOk);
    if (focus != nullptr) focus->SetFocus();
    return false;
  };
  if (m_strPrinterName.empty()) return refuse("プリンタが選択されていません", nullptr);
  if (m_strFilePath.empty()) return refuse("ファイルが選択されていません", nullptr);
  if (m_nStartPage < 1) return refuse("印刷開始頁は 1 頁以上にしてください", &m_edtStartPage);
  if (m_nEndPage < 1) return refuse("印刷終了頁は 1 頁以上にしてください", &m_edtEndPage);
  if (m_nCopies < 1) return refuse("印刷部数は 1 部以上にしてください", &m_edtCopies);
  if (m_nStartPage > m_nDocPageCount) {
    return refuse("印刷開始頁がファイル最終頁より大きいです", &m_edtStartPage);
  }
  if (m_nEndPage > m_nDocPageCount) {
    return refuse("印刷終了頁がファイル最終頁より大きいです", &m_edtEndPage);
  }
  if (m_nStartPage > m_nEndPage) return refuse("印刷終了頁が開始頁より小さいです", &m_edtEndPage);
  if (m_nCopies > 1000) return refuse("印刷部数は 1000 部以下にしてください", &m_edtCopies);
  const bool graphicsModel = printers::ModelNamed(m_strModel).graphics;
  if (!graphicsModel && (m_strFileExt == "EDL" || m_strFileExt == "edl")) {
    return refuse(
        "TEN-100、TEN-10、New ESA721 以外の点字プリンタでは　　\n"
        "「エーデル」の図形印刷はできません",
        nullptr);
  }

  std::string warning;
  if (graphicsModel && m_bDocHasGraphics == 1 && m_bGraphics == 0) {
    warning = std::string(kGraphicsHeld) + std::string(kBlankLine) +
              "図形出力のチェックが外れているため 図形は印刷されません";
  } else if (!graphicsModel && m_bDocHasGraphics == 1) {
    warning = std::string(kGraphicsHeld) + std::string(kBlankLine) +
              "この点字プリンタでは 図形は印刷されません";
  }
  if (!warning.empty() &&
      MessageBox(warning, kCaption, platform::kMbOkCancel | platform::kMbIconInformation) ==
          platform::kMbResultCancel) {
    return false;
  }
  return true;
}
