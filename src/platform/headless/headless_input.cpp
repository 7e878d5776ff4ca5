// What a user does to a headless window.
#include <algorithm>

#include "platform/headless/headless_host.h"

namespace platform {

namespace {

bool IsButtonKind(ControlKind k) {
  return k == ControlKind::kPushButton || k == ControlKind::kDefPushButton;
}

}  // namespace

bool HeadlessHost::TakesInput(const ControlState& c) const {
  return windowEnabled_ && c.visible && c.enabled;
}

bool HeadlessHost::IsFocusable(const ControlState& c) const {
  return (c.tpl->style & kTabStop) != 0 && c.visible && c.enabled;
}

void HeadlessHost::Activate(ControlState& c) {
  const int id = c.tpl->id;
  switch (c.tpl->kind) {
    case ControlKind::kRadioButton: {
      // An automatic radio button checks itself and clears the others of its group.
      const auto self = std::find_if(controls_.begin(), controls_.end(),
                                     [&](const ControlState& s) { return &s == &c; });
      auto first = self;
      while (first != controls_.begin() && (first->tpl->style & kGroupStart) == 0) --first;
      auto last = self + 1;
      while (last != controls_.end() && (last->tpl->style & kGroupStart) == 0) ++last;
      for (auto it = first; it != last; ++it) {
        if (it->tpl->kind == ControlKind::kRadioButton) it->check = 0;
      }
      c.check = 1;
      break;
    }
    case ControlKind::kCheckBox:
      c.check = c.check == 1 ? 0 : 1;
      break;
    default:
      break;
  }
  dialog_.OnCommand(id, Notification::kClicked);
}

bool HeadlessHost::Click(int id) {
  ControlState* c = Find(id);
  if (!c || !TakesInput(*c)) return false;
  const ControlKind k = c->tpl->kind;
  if (!IsButtonKind(k) && k != ControlKind::kRadioButton && k != ControlKind::kCheckBox) {
    focus_ = id;
    return true;
  }
  focus_ = id;
  Activate(*c);
  return true;
}

bool HeadlessHost::Type(int id, std::string_view text) {
  ControlState* c = Find(id);
  if (!c || !TakesInput(*c)) return false;
  if (c->tpl->kind == ControlKind::kComboBox) {
    focus_ = id;
    c->text = std::string(text);
    return true;
  }
  if (c->tpl->kind != ControlKind::kEdit || (c->tpl->style & kReadOnly) != 0) return false;
  focus_ = id;
  SetText(id, text);
  return true;
}

bool HeadlessHost::Choose(int id, int index) {
  ControlState* c = Find(id);
  if (!c || !TakesInput(*c) || c->tpl->kind != ControlKind::kComboBox) return false;
  if (index < 0 || index >= static_cast<int>(c->items.size())) return false;
  focus_ = id;
  ComboSelect(id, index);
  dialog_.OnCommand(id, Notification::kSelChange);
  return true;
}

bool HeadlessHost::Choose(int id, std::string_view itemText) {
  const ControlState* c = Find(id);
  if (!c) return false;
  const auto it = std::find(c->items.begin(), c->items.end(), itemText);
  if (it == c->items.end()) return false;
  return Choose(id, static_cast<int>(it - c->items.begin()));
}

bool HeadlessHost::TypeKey(char c) {
  ControlState* focused = Find(focus_);
  if (!focused || !TakesInput(*focused) || focused->tpl->kind != ControlKind::kEdit ||
      (focused->tpl->style & kReadOnly) != 0) {
    return false;
  }
  if ((focused->tpl->style & kDigitsOnly) != 0 && (c < '0' || c > '9')) return false;
  SetText(focus_, focused->text + c);
  return true;
}

void HeadlessHost::PressKey(int virtualKey) {
  if (!windowEnabled_) return;
  dialog_.PreTranslateMessage(virtualKey);
}

bool HeadlessHost::PressAlt(char key) {
  if (!windowEnabled_) return false;
  if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
  // The accelerators of hidden buttons come first, as in the real window.
  for (ControlState& c : controls_) {
    if (IsButtonKind(c.tpl->kind) && !c.visible && c.enabled && MnemonicOf(c.tpl->text) == key) {
      Activate(c);
      return true;
    }
  }
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    ControlState& c = controls_[i];
    if (!TakesInput(c) || (c.tpl->style & kNoPrefix) != 0 || MnemonicOf(c.tpl->text) != key) {
      continue;
    }
    const ControlKind k = c.tpl->kind;
    if (IsButtonKind(k)) {
      Activate(c);
    } else if (k == ControlKind::kRadioButton || k == ControlKind::kCheckBox) {
      focus_ = c.tpl->id;
      Activate(c);
    } else {
      // A label's mnemonic moves the focus to the next control that takes it.
      for (std::size_t j = i + 1; j < controls_.size(); ++j) {
        if (IsFocusable(controls_[j])) {
          focus_ = controls_[j].tpl->id;
          break;
        }
      }
    }
    return true;
  }
  return false;
}

bool HeadlessHost::FireTimer() {
  if (timerMs_ == 0) return false;
  dialog_.OnTimer();
  return true;
}

void HeadlessHost::CloseBox() {
  if ((template_.style & kSystemMenu) != 0) dialog_.OnSysCommand(kScClose, 0);
}

void HeadlessHost::SystemMenu(unsigned command) { dialog_.OnSysCommand(command, 0); }

void HeadlessHost::MoveFocus(bool forward) {
  const int n = static_cast<int>(controls_.size());
  int at = -1;
  for (int i = 0; i < n; ++i) {
    if (focus_ != 0 && controls_[static_cast<std::size_t>(i)].tpl->id == focus_) at = i;
  }
  const int next = NextTabStop(n, at, forward, [this](int i) {
    return IsFocusable(controls_[static_cast<std::size_t>(i)]);
  });
  if (next >= 0) focus_ = controls_[static_cast<std::size_t>(next)].tpl->id;
}

void HeadlessHost::FocusFirstTabStopUnlessSet() {
  if (focus_ == 0) MoveFocus(true);
}

bool HeadlessHost::IsDialogMessage(int virtualKey) {
  ControlState* focused = Find(focus_);
  switch (virtualKey) {
    case kVkTab:
      MoveFocus(true);
      return true;
    case kVkReturn: {
      if (focused && IsButtonKind(focused->tpl->kind) && TakesInput(*focused)) {
        Activate(*focused);
        return true;
      }
      for (ControlState& c : controls_) {
        if (c.tpl->kind == ControlKind::kDefPushButton && TakesInput(c)) {
          Activate(c);
          return true;
        }
      }
      dialog_.OnCommand(kIdOk, Notification::kClicked);
      return true;
    }
    case kVkEscape:
      dialog_.OnCommand(kIdCancel, Notification::kClicked);
      return true;
    case kVkUp:
    case kVkDown:
      if (focused && focused->tpl->kind == ControlKind::kComboBox) {
        const int count = static_cast<int>(focused->items.size());
        const int next =
            std::clamp(focused->selection + (virtualKey == kVkDown ? 1 : -1), 0, count - 1);
        if (count > 0 && next != focused->selection) Choose(focus_, next);
      }
      return true;
    default:
      return true;
  }
}

}  // namespace platform
