// The Print button: the checks of the request in their order, at most one graphics
// warning, then the job.
#include <string_view>

#include "app/varnel_dlg.h"
#include "document/formats.h"
#include "print/job_rules.h"
#include "printers/models.h"
#include "res/messages.h"

void CVarnelDlg::OnPrint() {
  if (!ValidatePrintRequest()) return;
  RunPrintJob();
}

bool CVarnelDlg::ValidatePrintRequest() {
  auto refuse = [this](std::string_view message, platform::Edit* focus) {
    MessageBox(message, res::kAppName, platform::kMbOk);
    if (focus != nullptr) focus->SetFocus();
    return false;
  };
  if (m_strPrinterName.empty()) return refuse(res::kNoPrinterChosen, nullptr);
  if (m_strFilePath.empty()) return refuse(res::kNoFileChosen, nullptr);
  if (const auto range =
          print::CheckRangeAndCopies(m_nStartPage, m_nEndPage, m_nCopies, m_nDocPageCount)) {
    switch (range->field) {
      case print::RangeField::kStartPage:
        return refuse(range->message, &m_edtStartPage);
      case print::RangeField::kEndPage:
        return refuse(range->message, &m_edtEndPage);
      case print::RangeField::kCopies:
        return refuse(range->message, &m_edtCopies);
    }
  }
  const printers::Model& model = printers::ModelNamed(m_strModel);
  if (const auto edel =
          print::CheckEdelOnModel(model, document::IsDrawingExtension(m_strFileExt))) {
    return refuse(*edel, nullptr);
  }

  const std::string warning =
      print::GraphicsWarning(model, m_bDocHasGraphics == 1, m_bGraphics == 1);
  if (!warning.empty() &&
      MessageBox(warning, res::kAppName, platform::kMbOkCancel | platform::kMbIconInformation) ==
          platform::kMbResultCancel) {
    return false;
  }
  return true;
}
