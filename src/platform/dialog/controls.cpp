#include "platform/dialog/controls.h"

#include "platform/dialog/dialog.h"

namespace platform {

void Control::Attach(Dialog& dialog, int id) {
  dialog_ = &dialog;
  id_ = id;
}

DialogHost* Control::host() const { return dialog_ ? dialog_->Host() : nullptr; }

void Control::ShowWindow(bool show) {
  if (auto* h = host()) h->ShowControl(id_, show);
}
void Control::EnableWindow(bool enable) {
  if (auto* h = host()) h->EnableControl(id_, enable);
}
bool Control::IsWindowEnabled() const {
  auto* h = host();
  return h && h->IsControlEnabled(id_);
}
void Control::SetFocus() {
  if (auto* h = host()) h->SetFocus(id_);
}
std::string Control::GetWindowText() const {
  auto* h = host();
  return h ? h->GetText(id_) : std::string();
}
void Control::SetWindowText(std::string_view text) {
  if (auto* h = host()) h->SetText(id_, text);
}

int Button::GetCheck() const {
  auto* h = host();
  return h ? h->GetCheck(Id()) : 0;
}
void Button::SetCheck(int state) {
  if (auto* h = host()) h->SetCheck(Id(), state);
}

void ComboBox::ResetContent() {
  if (auto* h = host()) h->ComboReset(Id());
}
int ComboBox::AddString(std::string_view text) {
  auto* h = host();
  return h ? h->ComboAdd(Id(), text) : -1;
}
void ComboBox::DeleteString(int index) {
  if (auto* h = host()) h->ComboDelete(Id(), index);
}
int ComboBox::GetCount() const {
  auto* h = host();
  return h ? h->ComboCount(Id()) : 0;
}
void ComboBox::SetCurSel(int index) {
  if (auto* h = host()) h->ComboSelect(Id(), index);
}
int ComboBox::GetCurSel() const {
  auto* h = host();
  return h ? h->ComboSelection(Id()) : -1;
}
std::string ComboBox::GetLBText(int index) const {
  auto* h = host();
  return h ? h->ComboItem(Id(), index) : std::string();
}

void ProgressCtrl::SetRange(int low, int high) {
  if (auto* h = host()) h->ProgressSetRange(Id(), low, high);
}
void ProgressCtrl::SetStep(int step) {
  if (auto* h = host()) h->ProgressSetStep(Id(), step);
}
int ProgressCtrl::SetPos(int pos) {
  auto* h = host();
  return h ? h->ProgressSetPos(Id(), pos) : 0;
}

}  // namespace platform
