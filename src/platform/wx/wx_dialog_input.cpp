// What the user does to a real window, reported to its dialog object; the dialog's
// standard keyboard handling; modal and modeless runs.
#include <wx/event.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include "platform/wx/wx_dialog_host.h"
#include "platform/wx/wx_present.h"
#include "platform/wx/wx_window_system.h"

namespace platform::wx {

namespace {

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kDefPushButton;
}

// The virtual key of a key-down event: the keys the dialogs tell apart by name, and for
// letters and digits their upper-case character, as virtual keys are numbered.
int VirtualKeyOf(const wxKeyEvent& event) {
  const int code = event.GetKeyCode();
  switch (code) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
      return kVkReturn;
    case WXK_ESCAPE:
      return kVkEscape;
    case WXK_TAB:
      return kVkTab;
    case WXK_LEFT:
      return kVkLeft;
    case WXK_UP:
      return kVkUp;
    case WXK_RIGHT:
      return kVkRight;
    case WXK_DOWN:
      return kVkDown;
    default:
      break;
  }
  // Page Up, Page Down, Home and End, and the same keys of the number pad, tell the
  // dialog whether Ctrl was down.
  int paging = 0;
  switch (code) {
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
      paging = kVkPrior;
      break;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
      paging = kVkNext;
      break;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
      paging = kVkHome;
      break;
    case WXK_END:
    case WXK_NUMPAD_END:
      paging = kVkEnd;
      break;
    default:
      break;
  }
  if (paging != 0) return event.ControlDown() ? paging | kWithCtrl : paging;
  if (code >= 'a' && code <= 'z') return code - 'a' + 'A';
  return code > 0 && code < 0x80 ? code : 0;
}

}  // namespace

void DialogHost::BindEvents() {
  window_->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) { OnCharHook(e); });
  window_->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) { OnClose(e); });
  window_->Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { OnClicked(e); });
  window_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent& e) { OnClicked(e); });
  window_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& e) { OnClicked(e); });
  window_->Bind(wxEVT_MENU, [this](wxCommandEvent& e) { OnAccelerator(e); });
  window_->Bind(wxEVT_TEXT, [this](wxCommandEvent& e) { OnTextChanged(e); });
  window_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& e) { OnComboChosen(e); });
}

// Every key pressed in the window passes here first. Keys pressed with Alt are not
// key-down messages: they go on to the accelerator table and the GTK mnemonics.
void DialogHost::OnCharHook(wxKeyEvent& event) {
  if (event.AltDown()) {
    event.Skip();
    return;
  }
  const int key = VirtualKeyOf(event);
  passKeyToToolkit_ = false;
  const bool handled = dialog_.PreTranslateMessage(key);
  // A key the dialog leaves to the focused control as an ordinary key goes to GTK,
  // except Enter and Esc: a GTK entry would pass them on to the window (activate the
  // default button, close), which an edit never does.
  const bool toToolkit = handled ? passKeyToToolkit_ : (key != kVkReturn && key != kVkEscape);
  passKeyToToolkit_ = false;
  if (toToolkit && !RefusedByFocusedEdit(event)) event.Skip();
}

// A digits-only edit takes no other character, and leaves its selection as it is. GTK
// would delete the selection before the text validator sees the character, so typed
// characters are stopped here, while still keys.
bool DialogHost::RefusedByFocusedEdit(const wxKeyEvent& event) const {
  const Control* focused = Find(GetFocus());
  if (focused == nullptr || focused->tpl->kind != ControlKind::kEdit ||
      (focused->tpl->style & kDigitsOnly) == 0 || event.ControlDown()) {
    return false;
  }
  const wxChar ch = event.GetUnicodeKey();
  // A key that types a character beyond Latin-1 (a full-width digit) comes from wxGTK 3.2.8
  // (Debian 13) with neither key code nor character, and GTK's input method inserts the
  // character afterwards. No ASCII digit is typed that way.
  if (ch == WXK_NONE && event.GetKeyCode() == WXK_NONE) return true;
  if (ch == WXK_NONE || ch < 0x20 || ch == 0x7F) return false;  // not a character
  return ch < '0' || ch > '9';
}

bool DialogHost::IsTabStopNow(const Control& c) {
  return (c.tpl->style & kTabStop) != 0 && c.window->IsShown() && c.window->IsThisEnabled();
}

void DialogHost::MoveFocus(bool forward) {
  const int n = static_cast<int>(controls_.size());
  const int current = GetFocus();
  int at = -1;
  for (int i = 0; i < n; ++i) {
    if (current != 0 && controls_[static_cast<std::size_t>(i)].tpl->id == current) at = i;
  }
  const int next = NextTabStop(n, at, forward, [this](int i) {
    return IsTabStopNow(controls_[static_cast<std::size_t>(i)]);
  });
  if (next >= 0) controls_[static_cast<std::size_t>(next)].window->SetFocus();
}

// The standard processing of a key-down message. Where GTK does what the dialog keyboard
// does (Enter and Space press the focused button), the key is left to GTK; Tab, Enter
// elsewhere and Esc are carried out here.
bool DialogHost::IsDialogMessage(int virtualKey) {
  if (virtualKey == kVkTab) {
    MoveFocus(!wxGetKeyState(WXK_SHIFT));
    return true;
  }
  if (virtualKey == kVkEscape) {
    dialog_.OnCommand(kIdCancel, Notification::kClicked);
    return true;
  }
  if (virtualKey == kVkReturn) {
    const Control* focused = Find(GetFocus());
    if (focused != nullptr && IsPushButton(focused->tpl->kind)) {
      passKeyToToolkit_ = true;
      return true;
    }
    for (const Control& c : controls_) {
      if (c.tpl->kind == ControlKind::kDefPushButton) {
        if (c.window->IsShown() && c.window->IsEnabled()) {
          dialog_.OnCommand(c.tpl->id, Notification::kClicked);
        }
        return true;
      }
    }
    dialog_.OnCommand(kIdOk, Notification::kClicked);
    return true;
  }
  passKeyToToolkit_ = true;
  return true;
}

// The close box: the window-menu Close command. The dialog decides whether the window
// ends; wx never closes it by itself.
void DialogHost::OnClose(wxCloseEvent& event) {
  if (event.CanVeto()) event.Veto();
  if ((template_.style & kSystemMenu) != 0) dialog_.OnSysCommand(kScClose, 0);
}

const DialogHost::Control* DialogHost::SourceOf(const wxCommandEvent& event) const {
  const Control* c = Find(event.GetId());
  return c != nullptr && c->window == event.GetEventObject() ? c : nullptr;
}

void DialogHost::OnClicked(wxCommandEvent& event) {
  const Control* c = SourceOf(event);
  if (c == nullptr) {
    event.Skip();
    return;
  }
  dialog_.OnCommand(c->tpl->id, Notification::kClicked);
}

// An Alt key of the accelerator table: a click on its hidden button.
void DialogHost::OnAccelerator(wxCommandEvent& event) {
  const Control* c = Find(event.GetId());
  if (c == nullptr || !IsPushButton(c->tpl->kind) || !c->window->IsThisEnabled()) return;
  dialog_.OnCommand(c->tpl->id, Notification::kClicked);
}

void DialogHost::OnTextChanged(wxCommandEvent& event) {
  const Control* c = SourceOf(event);
  // Typing in the combo box's edit field reports nothing; only a choice from its list
  // does.
  if (c == nullptr || c->tpl->kind != ControlKind::kEdit) return;
  dialog_.OnCommand(c->tpl->id, Notification::kChanged);
}

void DialogHost::OnComboChosen(wxCommandEvent& event) {
  const Control* c = SourceOf(event);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return;
  dialog_.OnCommand(c->tpl->id, Notification::kSelChange);
}

// The main window tells the program once it is on screen and a control of it has the
// keyboard: from then on keys reach it.
void DialogHost::OnIdleUntilReady(wxIdleEvent& event) {
  event.Skip();
  if (!waitingForReady_) return;
  if (!window_->IsShown() || !window_->IsActive() || GetFocus() == 0) return;
  waitingForReady_ = false;
  system_.MainWindowReady();
}

void DialogHost::FocusFirstTabStopUnlessSet() {
  if (focusSet_) return;
  for (const Control& c : controls_) {
    if (IsTabStopNow(c)) {
      c.window->SetFocus();
      focusSet_ = true;
      return;
    }
  }
}

int DialogHost::RunModal() {
  if (ended_) return result_;  // ended while it initialised
  FocusFirstTabStopUnlessSet();
  if (system_.MainWindow() == this) {
    waitingForReady_ = true;
    window_->Bind(wxEVT_IDLE, [this](wxIdleEvent& e) { OnIdleUntilReady(e); });
  }
  const PresentWhenShown present(*window_);
  return window_->ShowModal();
}

void DialogHost::ShowModeless() {
  FocusFirstTabStopUnlessSet();
  window_->Show();
  window_->Raise();
}

void DialogHost::StartTimer(unsigned milliseconds) {
  if (!timer_) {
    timer_ = std::make_unique<wxTimer>(window_);
    auto onTimer = [this](wxTimerEvent&) { dialog_.OnTimer(); };
    window_->Bind(wxEVT_TIMER, onTimer, timer_->GetId());
  }
  timer_->Start(static_cast<int>(milliseconds));
}

void DialogHost::StopTimer() {
  if (timer_) timer_->Stop();
}

void DialogHost::EndDialog(int result) {
  StopTimer();
  ended_ = true;
  result_ = result;
  if (window_->IsModal()) {
    window_->EndModal(result);
  } else {
    window_->Hide();
  }
}

}  // namespace platform::wx
