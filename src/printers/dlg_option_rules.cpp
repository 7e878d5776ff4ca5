// The sides radios, the graphics box and the page-break box follow the model and the
// document.
#include "app/varnel_dlg.h"
#include "document/formats.h"
#include "print/job_rules.h"
#include "print/job_spec.h"
#include "printers/models.h"
#include "res/resource.h"

void CVarnelDlg::ApplySidesRule() {
  const print::SidesOffer offered =
      print::OfferedSides(printers::ModelNamed(m_strModel), m_nDocLinesPerPage);
  const bool doubleCase = offered == print::SidesOffer::kDouble;
  const bool frontBackCase = offered == print::SidesOffer::kFrontAndBack;

  m_btnSingle.EnableWindow(true);
  m_btnSingle.ShowWindow(true);
  m_stcSingleKey.ShowWindow(true);

  auto offer = [](platform::Button& radio, platform::Static& key, bool on) {
    radio.ShowWindow(on);
    radio.EnableWindow(on);
    key.ShowWindow(on);
  };
  offer(m_btnDouble, m_stcDoubleKey, doubleCase);
  offer(m_btnFront, m_stcFrontKey, frontBackCase);
  offer(m_btnBack, m_stcBackKey, frontBackCase);

  SelectSides(doubleCase ? res::kIdcDouble : res::kIdcSingle, print::ProposedSides(offered));
}

void CVarnelDlg::ApplyGraphicsRule() {
  const bool printable =
      print::ProposedGraphics(printers::ModelNamed(m_strModel), m_bDocHasGraphics == 1);
  const bool switchable = printable && document::GraphicsOfExtension(m_strFileExt) ==
                                           document::FormatGraphics::kSwitchable;
  m_chkGraphics.EnableWindow(switchable);
  m_stcGraphicsKey.EnableWindow(switchable);
  m_chkGraphics.SetCheck(printable ? 1 : 0);
  m_bGraphics = printable ? 1 : 0;
}

void CVarnelDlg::ApplyPageBreakRule() {
  if (printers::ModelNamed(m_strModel).forcedPageBreak) {
    m_chkPageBreak.EnableWindow(false);
    m_stcPageBreakKey.EnableWindow(false);
    m_chkPageBreak.SetCheck(1);
    m_bPageBreak = 1;
  } else {
    m_chkPageBreak.EnableWindow(true);
    m_stcPageBreakKey.EnableWindow(true);
  }
}
