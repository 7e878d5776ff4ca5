// The by-id operations of a real window.
#include "platform/wx/wx_dialog_host.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <utility>

#include "platform/dialog/combo_order.h"
#include "platform/wx/wx_accessibility.h"
#include "platform/wx/wx_icons.h"
#include "platform/wx/wx_message_box.h"
#include "platform/wx/wx_picture.h"
#include "platform/wx/wx_text.h"
#include "platform/wx/wx_window_system.h"

namespace platform::wx {

DialogHost::DialogHost(WindowSystem& system, const DialogTemplate& tpl, Dialog& dialog,
                       wxWindow* parent)
    : system_(system), template_(tpl), dialog_(dialog) {
  BuildWindow(parent);
  BuildControls();
  InstallAccelerators();
  BindEvents();
  window_->CentreOnParent();
}

// The window goes with its dialog object, at once: nothing of it may outlive the object
// its events would be reported to.
DialogHost::~DialogHost() { delete window_; }

DialogHost::Control* DialogHost::Find(int id) {
  if (id == kStaticId) return nullptr;
  for (Control& c : controls_) {
    if (c.tpl->id == id) return &c;
  }
  return nullptr;
}

const DialogHost::Control* DialogHost::Find(int id) const {
  return const_cast<DialogHost*>(this)->Find(id);
}

// ---- text ----

std::string DialogHost::GetText(int id) const {
  const Control* c = Find(id);
  if (c == nullptr) return {};
  switch (c->tpl->kind) {
    case ControlKind::kEdit:
      return FromWx(static_cast<wxTextCtrl*>(c->window)->GetValue());
    case ControlKind::kComboBox:
      return FromWx(static_cast<wxComboBox*>(c->window)->GetValue());
    default:
      return FromWx(c->window->GetLabel());
  }
}

void DialogHost::SetText(int id, std::string_view text) {
  Control* c = Find(id);
  if (c == nullptr) return;
  switch (c->tpl->kind) {
    case ControlKind::kEdit: {
      // Quietly, then one change notification, synchronously: the same single report
      // whether or not the text differs, and however GTK splits the replacement.
      auto* edit = static_cast<wxTextCtrl*>(c->window);
      edit->ChangeValue(ToWx(text));
      if ((c->tpl->style & kMultiLine) != 0) {
        // A text of several lines is read from its first: the caret goes to its start.
        edit->SetInsertionPoint(0);
        edit->ShowPosition(0);
      }
      dialog_.OnCommand(id, Notification::kChanged);
      break;
    }
    case ControlKind::kComboBox:
      static_cast<wxComboBox*>(c->window)->ChangeValue(ToWx(text));
      break;
    default: {
      wxString label = ToWx(text);
      if ((c->tpl->style & kNoPrefix) != 0) label.Replace("&", "&&");
      c->window->SetLabel(label);
      break;
    }
  }
}

// ---- buttons ----

int DialogHost::GetCheck(int id) const {
  const Control* c = Find(id);
  if (c == nullptr) return kUnchecked;
  switch (c->tpl->kind) {
    case ControlKind::kRadioButton:
      return static_cast<wxRadioButton*>(c->window)->GetValue() ? kChecked : kUnchecked;
    case ControlKind::kCheckBox:
      return static_cast<wxCheckBox*>(c->window)->GetValue() ? kChecked : kUnchecked;
    default:
      return kUnchecked;
  }
}

void DialogHost::SetCheck(int id, int state) {
  Control* c = Find(id);
  if (c == nullptr) return;
  const bool on = state != kUnchecked;
  if (c->tpl->kind == ControlKind::kCheckBox) {
    static_cast<wxCheckBox*>(c->window)->SetValue(on);
  } else if (c->tpl->kind == ControlKind::kRadioButton) {
    auto* radio = static_cast<wxRadioButton*>(c->window);
    if (on) {
      radio->SetValue(true);
    } else if (radio->GetValue() && c->groupOff != nullptr) {
      // GTK ignores SetValue(false); checking the group's hidden radio clears this one.
      c->groupOff->SetValue(true);
    }
  }
}

// ---- visibility, enabled state, focus ----

void DialogHost::ShowControl(int id, bool show) {
  if (Control* c = Find(id)) c->window->Show(show);
}

bool DialogHost::IsControlVisible(int id) const {
  const Control* c = Find(id);
  return c != nullptr && c->window->IsShown();
}

void DialogHost::EnableControl(int id, bool enable) {
  if (Control* c = Find(id)) c->window->Enable(enable);
}

bool DialogHost::IsControlEnabled(int id) const {
  // The control's own state, whatever the window's.
  const Control* c = Find(id);
  return c != nullptr && c->window->IsThisEnabled();
}

void DialogHost::SetFocus(int id) {
  Control* c = Find(id);
  if (c == nullptr) return;
  // A window that is shown but not active (its modeless child was on top until now)
  // has no keyboard input: bring it forward first, or the focus would be set where no
  // key arrives.
  if (window_->IsShown() && window_->IsEnabled() && !window_->IsActive()) window_->Raise();
  c->window->SetFocus();
  focusSet_ = true;
}

int DialogHost::GetFocus() const {
  wxWindow* focused = wxWindow::FindFocus();
  // Climb from the focused widget (an inner part of a combo box, say) to the control.
  while (focused != nullptr && focused->GetParent() != window_) {
    if (focused->IsTopLevel()) return 0;
    focused = focused->GetParent();
  }
  if (focused == nullptr) return 0;
  for (const Control& c : controls_) {
    if (c.window == focused) return c.tpl->id == kStaticId ? 0 : c.tpl->id;
  }
  return 0;
}

// ---- combo box ----

void DialogHost::ComboReset(int id) {
  Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return;
  auto* combo = static_cast<wxComboBox*>(c->window);
  combo->Clear();
  combo->ChangeValue(wxString());
}

int DialogHost::ComboAdd(int id, std::string_view text) {
  Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return -1;
  auto* combo = static_cast<wxComboBox*>(c->window);
  const int count = static_cast<int>(combo->GetCount());
  int index = count;
  if ((c->tpl->style & kSorted) != 0) {
    // After the last item that does not sort after the new one.
    index = 0;
    while (index < count &&
           !ComboItemLess(text, FromWx(combo->GetString(static_cast<unsigned>(index))))) {
      ++index;
    }
  }
  return combo->Insert(ToWx(text), static_cast<unsigned>(index));
}

void DialogHost::ComboDelete(int id, int index) {
  Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return;
  auto* combo = static_cast<wxComboBox*>(c->window);
  if (index < 0 || index >= static_cast<int>(combo->GetCount())) return;
  combo->Delete(static_cast<unsigned>(index));
}

int DialogHost::ComboCount(int id) const {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return 0;
  return static_cast<int>(static_cast<wxComboBox*>(c->window)->GetCount());
}

void DialogHost::ComboSelect(int id, int index) {
  Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return;
  auto* combo = static_cast<wxComboBox*>(c->window);
  // wx reports no choice for a selection the program makes.
  if (index >= 0 && index < static_cast<int>(combo->GetCount())) {
    combo->SetSelection(index);
  } else {
    combo->SetSelection(wxNOT_FOUND);
    combo->ChangeValue(wxString());
  }
}

int DialogHost::ComboSelection(int id) const {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return -1;
  const int selection = static_cast<wxComboBox*>(c->window)->GetSelection();
  return selection == wxNOT_FOUND ? -1 : selection;
}

std::string DialogHost::ComboItem(int id, int index) const {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return {};
  const auto* combo = static_cast<wxComboBox*>(c->window);
  if (index < 0 || index >= static_cast<int>(combo->GetCount())) return {};
  return FromWx(combo->GetString(static_cast<unsigned>(index)));
}

// ---- progress bar ----

// wxGauge counts from 0; the bar keeps the range and position as the program gave them.
void DialogHost::UpdateGauge(const Control& c, const ProgressState& p) {
  auto* gauge = static_cast<wxGauge*>(c.window);
  const int range = std::max(p.high - p.low, 1);
  gauge->SetRange(range);
  gauge->SetValue(std::clamp(p.pos - p.low, 0, range));
}

void DialogHost::ProgressSetRange(int id, int low, int high) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kProgressBar) return;
  ProgressState& p = progress_[id];
  p.low = low;
  p.high = high;
  UpdateGauge(*c, p);
}

void DialogHost::ProgressSetStep(int id, int step) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kProgressBar) return;
  progress_[id].step = step;
}

int DialogHost::ProgressSetPos(int id, int pos) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kProgressBar) return 0;
  ProgressState& p = progress_[id];
  const int previous = std::exchange(p.pos, pos);
  UpdateGauge(*c, p);
  return previous;
}

int DialogHost::ProgressPos(int id) const {
  const auto it = progress_.find(id);
  return it == progress_.end() ? 0 : it->second.pos;
}

// ---- picture ----

void DialogHost::SetPicture(int id, const Picture& picture) {
  Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kPicture) return;
  static_cast<PictureWindow*>(c->window)->SetPicture(picture);
}

// ---- the window ----

int DialogHost::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  // A window not yet on screen (still initialising) cannot own a box.
  wxWindow* owner = window_->IsShown() ? window_ : system_.MainWxWindow();
  if (owner != nullptr && !owner->IsShown()) owner = nullptr;
  return ShowMessageBox(owner, text, caption, type);
}

void DialogHost::SetTitle(std::string_view title) { window_->SetTitle(ToWx(title)); }

std::string DialogHost::Title() const { return FromWx(window_->GetTitle()); }

void DialogHost::EnableWindow(bool enable) {
  if (!enable) {
    wxWindow* focused = wxWindow::FindFocus();
    focusBeforeDisable_ =
        focused != nullptr && wxGetTopLevelParent(focused) == window_ ? focused : nullptr;
    window_->Enable(false);
    return;
  }
  window_->Enable(true);
  // GTK drops the focus of a window while it is disabled; without a focused widget no
  // key, Alt keys included, would reach the dialog again.
  wxWindow* focused = wxWindow::FindFocus();
  if (focusBeforeDisable_ != nullptr && window_->IsShown() &&
      (focused == nullptr || wxGetTopLevelParent(focused) != window_)) {
    window_->Raise();
    focusBeforeDisable_->SetFocus();
  }
  focusBeforeDisable_ = nullptr;
}

bool DialogHost::IsWindowEnabled() const { return window_->IsEnabled(); }

// On GTK the window menu belongs to the window manager, and a program cannot add items
// to it. The about box stays reachable through the version button.
bool DialogHost::AppendSystemMenuItem(int, std::string_view) { return false; }

void DialogHost::SetIcon(int iconResource) {
  if (const IconResource* icon = FindIcon(template_, iconResource)) {
    window_->SetIcons(IconBundleOf(*icon));
  }
}

void DialogHost::AnnounceToScreenReader(std::string_view text) {
  wxWindow* main = system_.MainWxWindow();
  AnnounceThrough(main != nullptr ? *main : *window_, text);
}

}  // namespace platform::wx
