// The sides radio buttons, the two check boxes, the numeric edits and the printer box.
#include <string>

#include "app/varnel_dlg.h"
#include "platform/text/decimal.h"
#include "print/job_spec.h"
#include "res/messages.h"
#include "res/resource.h"

namespace {}  // namespace

void CVarnelDlg::SelectSides(int checkedId, int sides) {
  m_btnSingle.SetCheck(checkedId == res::kIdcSingle ? 1 : 0);
  m_btnFront.SetCheck(checkedId == res::kIdcFront ? 1 : 0);
  m_btnBack.SetCheck(checkedId == res::kIdcBack ? 1 : 0);
  m_btnDouble.SetCheck(checkedId == res::kIdcDouble ? 1 : 0);
  m_nSides = sides;
}

void CVarnelDlg::OnRadioSingle() { SelectSides(res::kIdcSingle, print::kSidesSingle); }
void CVarnelDlg::OnRadioFront() { SelectSides(res::kIdcFront, print::kSidesFront); }
void CVarnelDlg::OnRadioBack() { SelectSides(res::kIdcBack, print::kSidesBack); }
void CVarnelDlg::OnRadioDouble() { SelectSides(res::kIdcDouble, print::kSidesDouble); }

void CVarnelDlg::OnPageBreakClicked() {
  const bool on = (m_chkPageBreak.GetState() & 0x3) != 0;
  m_bPageBreak = on ? 1 : 0;
  m_bPageBreakSetting = on ? 1 : 0;
  SaveSettings();
}

void CVarnelDlg::OnGraphicsClicked() {
  m_bGraphics = (m_chkGraphics.GetState() & 0x3) != 0 ? 1 : 0;
}

void CVarnelDlg::CheckNumericEdit(platform::Edit& edit, int& value, const std::string& resetText,
                                  int resetValue) {
  const std::string text = edit.GetWindowText();
  if (platform::IsAllDigits(text)) {
    value = platform::DigitsToInt(text);
    return;
  }
  MessageBox(res::kHalfWidthDigitsOnly, res::kAppName, platform::kMbOk);
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
