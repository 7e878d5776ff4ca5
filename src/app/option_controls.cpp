// The sides radio buttons, the two check boxes, the numeric edits and the printer box.
#include <string>

#include "app/varnel_dlg.h"
#include "platform/decimal.h"

namespace {

constexpr std::string_view kHalfWidthDigitsOnly = "入力は半角数字を使用してください";

}  // namespace

void CVarnelDlg::SelectSides(int checkedId, int sides) {
  m_btnSingle.SetCheck(checkedId == 1021 ? 1 : 0);
  m_btnFront.SetCheck(checkedId == 1012 ? 1 : 0);
  m_btnBack.SetCheck(checkedId == 1013 ? 1 : 0);
  m_btnDouble.SetCheck(checkedId == 1022 ? 1 : 0);
  m_nSides = sides;
}

void CVarnelDlg::OnRadioSingle() { SelectSides(1021, 0); }
void CVarnelDlg::OnRadioFront() { SelectSides(1012, 1); }
void CVarnelDlg::OnRadioBack() { SelectSides(1013, 2); }
void CVarnelDlg::OnRadioDouble() { SelectSides(1022, 3); }

void CVarnelDlg::OnPageBreakClicked() {
  const bool on = (m_chkPageBreak.GetState() & 0x3) != 0;
  m_bPageBreak = on ? 1 : 0;
  m_bPageBreakSetting = on ? 1 : 0;
  SaveSettings();
}

void CVarnelDlg::OnGraphicsClicked() {
  m_bGraphics = (m_chkGraphics.GetState() & 0x3) != 0 ? 1 : 0;
}

void CVarnelDlg::CheckNumericEdit(platform::Edit& edit, int& value,
                                  const std::string& resetText, int resetValue) {
  const std::string text = edit.GetWindowText();
  if (platform::IsAllDigits(text)) {
    value = platform::DigitsToInt(text);
    return;
  }
  MessageBox(kHalfWidthDigitsOnly, "Varnel", platform::kMbOk);
  edit.SetWindowText(resetText);  // raises this handler again with a valid text
  value = resetValue;
}

void CVarnelDlg::OnChangeStartPage() { CheckNumericEdit(m_edtStartPage, m_nStartPage, "1", 1); }

void CVarnelDlg::OnChangeEndPage() {
  CheckNumericEdit(m_edtEndPage, m_nEndPage, std::to_string(m_nDocPageCount), m_nDocPageCount);
}

void CVarnelDlg::OnChangeCopies() { CheckNumericEdit(m_edtCopies, m_nCopies, "1", 1); }

void CVarnelDlg::OnSelChangePrinter() {
  m_strPrinterName = m_cboPrinter.GetLBText(m_cboPrinter.GetCurSel());
  LookUpPrinterPort();
  m_edtPort.SetWindowText(m_strPort);
  ClassifyPrinterModel();
  SaveSettings();
  ApplySidesRule();
  ApplyGraphicsRule();
  ApplyPageBreakRule();
}
