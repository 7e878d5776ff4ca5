// Start-up of the main dialog, its window menu, the version button and the Close button.
#include <string>

#include "app/about_dlg.h"
#include "app/varnel_dlg.h"
#include "res/messages.h"
#include "res/resource.h"
#include "res/templates.h"
#include "speech/sentences.h"

bool CVarnelDlg::OnInitDialog() {
  platform::Dialog::OnInitDialog();

  const std::string_view aboutEntry = res::LoadString(res::kIdsAboutBox);
  if (!aboutEntry.empty()) Host()->AppendSystemMenuItem(res::kIdmAboutBox, aboutEntry);

  Host()->SetIcon(m_hIcon);
  m_strIniPath = Services().environment.SettingsFilePath("Varnel.ini");
  SetWindowText(res::kAppName);

  FillPrinterList();
  LoadSettings();
  LookUpPrinterPort();
  m_edtPort.SetWindowText(m_strPort);
  ClassifyPrinterModel();
  ApplySidesRule();
  ApplyPageBreakRule();
  m_bDocHasGraphics = 0;
  ApplyGraphicsRule();
  m_chkPageBreak.SetCheck(m_bPageBreak == 1 ? 1 : 0);

  m_edtStartPage.SetWindowText("0");
  m_nStartPage = 0;
  m_edtEndPage.SetWindowText("0");
  m_nEndPage = 0;
  m_edtCopies.SetWindowText("0");
  m_nCopies = 0;

  m_btnBrowse.SetFocus();
  return true;
}

void CVarnelDlg::OnSysCommand(unsigned command, long param) {
  if ((command & 0xFFF0u) == res::kIdmAboutBox) {
    CAboutDlg about(Services());
    about.DoModal(Host());
    return;
  }
  platform::Dialog::OnSysCommand(command, param);
}

// Minimized windows are drawn by the window manager with the window's icon, so painting
// is the default processing.
void CVarnelDlg::OnPaint() {}

int CVarnelDlg::OnQueryDragIcon() const { return m_hIcon; }

void CVarnelDlg::OnVersion() {
  CAboutDlg about(Services());
  about.DoModal(Host());
}

void CVarnelDlg::OnCloseButton() {
  Say(speech::kClosing);
  SaveSettings();
  OnOK();
}
