#include "print/progress_dlg.h"

#include <cstdint>

#include "platform/dialog/data_exchange.h"
#include "res/resource.h"
#include "res/templates.h"

CProgressDlg::CProgressDlg(platform::Platform& platform, unsigned captionId)
    : platform::Dialog(res::ProgressTemplate(), platform),
      m_nCaptionId(captionId != 0 ? captionId : static_cast<unsigned>(res::kIdsPrinting)) {}

CProgressDlg::~CProgressDlg() {
  if (HasWindow()) DestroyWindow();
}

bool CProgressDlg::Create(platform::Dialog* parent) {
  m_pOwner = parent != nullptr ? parent->Host() : Services().windows.MainWindow();
  if (m_pOwner != nullptr && m_pOwner->IsWindowEnabled()) {
    m_pOwner->EnableWindow(false);
    m_bOwnerDisabled = 1;
  }
  if (!CreateModeless(m_pOwner)) {
    RestoreOwner();
    return false;
  }
  return true;
}

void CProgressDlg::DoDataExchange(platform::DataExchange& dx) {
  platform::Dialog::DoDataExchange(dx);
  platform::DDX_Control(dx, res::kIdcProgressBar, m_ctlProgress);
}

bool CProgressDlg::OnInitDialog() {
  platform::Dialog::OnInitDialog();
  m_ctlProgress.SetRange(m_nRangeLow, m_nRangeHigh);
  m_ctlProgress.SetStep(m_nStep);
  m_ctlProgress.SetPos(m_nRangeLow);
  SetWindowText(res::LoadString(static_cast<int>(m_nCaptionId)));
  m_bCancelRequested = 0;
  return true;
}

void CProgressDlg::OnOK() {}

void CProgressDlg::OnCancel() { m_bCancelRequested = 1; }

void CProgressDlg::DestroyWindow() {
  RestoreOwner();
  platform::Dialog::DestroyWindow();
}

void CProgressDlg::SetRange(int low, int high) {
  m_nRangeLow = low;
  m_nRangeHigh = high;
  // The bar keeps each end to 16 bits.
  m_ctlProgress.SetRange(static_cast<std::uint16_t>(low), static_cast<std::uint16_t>(high));
}

int CProgressDlg::SetPos(int pos) {
  PumpMessages();
  return m_ctlProgress.SetPos(pos);
}

void CProgressDlg::SetStatusText(std::string_view text) {
  SetDlgItemText(res::kIdcProgressText, text);
}

void CProgressDlg::PumpMessages() { Services().pump.PumpPending(); }

bool CProgressDlg::IsCancelRequested() {
  PumpMessages();
  return m_bCancelRequested != 0;
}

void CProgressDlg::RestoreOwner() {
  if (m_bOwnerDisabled != 0 && m_pOwner != nullptr) m_pOwner->EnableWindow(true);
  m_bOwnerDisabled = 0;
}
