// The hidden buttons' handlers: focus moves, spoken read-backs and option switches.
#include "app/varnel_dlg.h"
#include "print/job_rules.h"
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

void CVarnelDlg::OnKeyJob() {
  const std::string sentence = m_jobWatch.LastJobSentence();
  Say(sentence.empty() ? std::string(speech::kNothingPrinted) : sentence);
}

namespace {

print::KeyAnswer SidesAnswer(const std::string& model, int linesPerPage, int sides) {
  return print::SidesKeyAnswer(printers::ModelNamed(model), linesPerPage, sides);
}

print::GraphicsContent ContentOf(const std::string& graphicsInfo) {
  if (graphicsInfo == "図形のみ") return print::GraphicsContent::kOnly;
  if (graphicsInfo == "図形なし" || graphicsInfo.empty()) return print::GraphicsContent::kNone;
  return print::GraphicsContent::kPresent;
}

}  // namespace

void CVarnelDlg::OnKeySingle() {
  const print::KeyAnswer answer = SidesAnswer(m_strModel, m_nDocLinesPerPage, print::kSidesSingle);
  if (answer.accepted) SelectSides(res::kIdcSingle, print::kSidesSingle);
  Say(answer.sentence);
}

void CVarnelDlg::OnKeyFront() {
  const print::KeyAnswer answer = SidesAnswer(m_strModel, m_nDocLinesPerPage, print::kSidesFront);
  if (answer.accepted) SelectSides(res::kIdcFront, print::kSidesFront);
  Say(answer.sentence);
}

void CVarnelDlg::OnKeyBack() {
  const print::KeyAnswer answer = SidesAnswer(m_strModel, m_nDocLinesPerPage, print::kSidesBack);
  if (answer.accepted) SelectSides(res::kIdcBack, print::kSidesBack);
  Say(answer.sentence);
}

void CVarnelDlg::OnKeyDouble() {
  const print::KeyAnswer answer = SidesAnswer(m_strModel, m_nDocLinesPerPage, print::kSidesDouble);
  if (answer.accepted) SelectSides(res::kIdcDouble, print::kSidesDouble);
  Say(answer.sentence);
}

void CVarnelDlg::OnKeyGraphics() {
  const print::KeyAnswer answer = print::GraphicsKeyAnswer(
      printers::ModelNamed(m_strModel), ContentOf(m_strGraphicsInfo), m_bGraphics == 1);
  if (answer.accepted) {
    const int on = m_bGraphics == 1 ? 0 : 1;
    m_chkGraphics.SetCheck(on);
    m_bGraphics = on;
  }
  Say(answer.sentence);
}

void CVarnelDlg::OnKeyPageBreak() {
  const print::KeyAnswer answer =
      print::PageBreakKeyAnswer(printers::ModelNamed(m_strModel), m_bPageBreak == 1);
  if (answer.accepted) {
    const int on = m_bPageBreak == 1 ? 0 : 1;
    m_chkPageBreak.SetCheck(on);
    m_bPageBreak = on;
  }
  Say(answer.sentence);
}
