#include "platform/dialog/dialog.h"

#include "platform/dialog/data_exchange.h"

namespace platform {

Dialog::Dialog(const DialogTemplate& tpl, Platform& platform)
    : template_(tpl), platform_(platform) {}

Dialog::~Dialog() = default;

bool Dialog::Build(DialogHost* owner, bool modal) {
  host_ = platform_.windows.CreateHost(template_, *this, owner, modal);
  if (!host_) return false;
  if (mainWindow_) platform_.windows.SetMainWindow(host_.get());
  OnInitDialog();
  return true;
}

int Dialog::DoModal(DialogHost* owner) {
  if (!Build(owner, /*modal=*/true)) return -1;
  const int result = host_->RunModal();
  DestroyWindow();
  return result;
}

bool Dialog::CreateModeless(DialogHost* owner) {
  if (!Build(owner, /*modal=*/false)) return false;
  host_->ShowModeless();
  return true;
}

void Dialog::DestroyWindow() {
  if (host_ && platform_.windows.MainWindow() == host_.get()) {
    platform_.windows.SetMainWindow(nullptr);
  }
  host_.reset();
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnCommand(int id, Notification code) {
  if (DispatchCommand(id, code)) return;
  if (code != Notification::kClicked) return;
  if (id == kIdOk) OnOK();
  if (id == kIdCancel) OnCancel();
}

bool Dialog::DispatchCommand(int, Notification) { return false; }

bool Dialog::PreTranslateMessage(int virtualKey) {
  if ((virtualKey & kWithCtrl) != 0) return false;
  return host_ ? host_->IsDialogMessage(virtualKey) : false;
}

void Dialog::OnSysCommand(unsigned command, long) {
  if ((command & 0xFFF0u) == kScClose) OnCancel();
}

void Dialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(kIdOk);
}

void Dialog::OnCancel() { EndDialog(kIdCancel); }

void Dialog::EndDialog(int result) {
  if (host_) host_->EndDialog(result);
}

bool Dialog::UpdateData(bool save) {
  if (!host_) return false;
  DataExchange dx(*this, save);
  DoDataExchange(dx);
  return !dx.failed();
}

void Dialog::DoDataExchange(DataExchange&) {}

std::string Dialog::GetDlgItemText(int id) const { return host_ ? host_->GetText(id) : ""; }

void Dialog::SetDlgItemText(int id, std::string_view text) {
  if (host_) host_->SetText(id, text);
}

void Dialog::CheckDlgButton(int id, int state) {
  if (host_) host_->SetCheck(id, state);
}

int Dialog::IsDlgButtonChecked(int id) const { return host_ ? host_->GetCheck(id) : 0; }

void Dialog::GotoDlgCtrl(int id) {
  if (host_) host_->SetFocus(id);
}

int Dialog::GetFocusedId() const { return host_ ? host_->GetFocus() : 0; }

int Dialog::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  if (host_) return host_->MessageBox(text, caption, type);
  if (DialogHost* main = platform_.windows.MainWindow())
    return main->MessageBox(text, caption, type);
  return kMbResultCancel;
}

void Dialog::SetWindowText(std::string_view title) {
  if (host_) host_->SetTitle(title);
}

std::string Dialog::GetWindowText() const { return host_ ? host_->Title() : ""; }

void Dialog::EnableWindow(bool enable) {
  if (host_) host_->EnableWindow(enable);
}

bool Dialog::IsWindowEnabled() const { return host_ ? host_->IsWindowEnabled() : false; }

}  // namespace platform
