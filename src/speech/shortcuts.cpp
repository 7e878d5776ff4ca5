// The hidden buttons' handlers: focus moves, spoken read-backs and option switches.
#include "app/varnel_dlg.h"
#include "print/job_spec.h"
#include "printers/models.h"
#include "res/resource.h"
#include "speech/sentences.h"

void CVarnelDlg::OnKeyPrinter() {
  Say(m_strPrinterName.empty() ? std::string(speech::kNoPrinter) : PrinterSentence());
}

void CVarnelDlg::OnKeyPrinterName() { m_cboPrinter.SetFocus(); }

void CVarnelDlg::OnKeyFile() {
  Say(m_strFilePath.empty() ? std::string(speech::kNoFile) : FileSentence());
}

void CVarnelDlg::OnKeyBrowse() {
  m_btnBrowse.SetFocus();
  OnBrowse();
}

void CVarnelDlg::OnKeyRange() {
  UpdateData(true);
  Say(m_strFilePath.empty() ? std::string(speech::kNoFile) : RangeSentence());
}

void CVarnelDlg::OnKeyStartPage() { m_edtStartPage.SetFocus(); }
void CVarnelDlg::OnKeyEndPage() { m_edtEndPage.SetFocus(); }
void CVarnelDlg::OnKeyCopies() { m_edtCopies.SetFocus(); }

void CVarnelDlg::OnKeyOptions() { Say(OptionsSentence()); }

void CVarnelDlg::OnKeySingle() {
  SelectSides(res::kIdcSingle, print::kSidesSingle);
  Say(speech::kSingleSet);
}

void CVarnelDlg::OnKeyFront() {
  if (printers::ModelNamed(m_strModel).refusesFrontBackKeys) {
    Say(speech::kPrinterNoPerSide);
  } else if (m_nDocLinesPerPage == print::kDoubleSidedLines) {
    SelectSides(res::kIdcFront, print::kSidesFront);
    Say(speech::kFrontSet);
  } else {
    Say(speech::kFileNoPerSide);
  }
}

void CVarnelDlg::OnKeyBack() {
  if (printers::ModelNamed(m_strModel).refusesFrontBackKeys) {
    Say(speech::kPrinterNoPerSide);
  } else if (m_nDocLinesPerPage == print::kDoubleSidedLines) {
    SelectSides(res::kIdcBack, print::kSidesBack);
    Say(speech::kBackSet);
  } else {
    Say(speech::kFileNoPerSide);
  }
}

void CVarnelDlg::OnKeyDouble() {
  if (printers::ModelNamed(m_strModel).refusesDoubleKey) {
    Say(speech::kPrinterNoDouble);
  } else if (m_nDocLinesPerPage == print::kDoubleSidedLines) {
    SelectSides(res::kIdcDouble, print::kSidesDouble);
    Say(speech::kDoubleSet);
  } else {
    Say(speech::kFileNoDouble);
  }
}

void CVarnelDlg::OnKeyGraphics() {
  if (printers::ModelNamed(m_strModel).refusesGraphicsKey) {
    Say(speech::kPrinterNoGraphics);
  } else if (m_strGraphicsInfo == "図形のみ") {
    Say(speech::kEdelGraphicsFixed);
  } else if (m_strGraphicsInfo == "図形なし" || m_strGraphicsInfo.empty()) {
    Say(speech::kNoGraphicsData);
  } else if (m_bGraphics == 1) {
    m_chkGraphics.SetCheck(0);
    m_bGraphics = 0;
    Say(speech::kGraphicsOff);
  } else {
    m_chkGraphics.SetCheck(1);
    m_bGraphics = 1;
    Say(speech::kGraphicsOn);
  }
}

void CVarnelDlg::OnKeyPageBreak() {
  if (printers::ModelNamed(m_strModel).refusesPageBreakKey) {
    Say(speech::kPageBreakRequired);
  } else if (m_bPageBreak == 1) {
    m_chkPageBreak.SetCheck(0);
    m_bPageBreak = 0;
    Say(speech::kPageBreakOff);
  } else {
    m_chkPageBreak.SetCheck(1);
    m_bPageBreak = 1;
    Say(speech::kPageBreakOn);
  }
}
