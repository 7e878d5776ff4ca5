// What the user does to a real window, reported to its dialog object; the keyboard
// handling before dispatch; modal and modeless runs.
#include "platform/win32_gui/win32_dialog_host.h"
#include "platform/win32_gui/win32_window_system.h"

namespace platform::win32 {

namespace {

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kDefPushButton;
}

// The virtual key of a key-down message, as the dialogs know keys: Page Up, Page Down,
// Home and End say whether Ctrl was down.
int VirtualKeyOf(const MSG& msg) {
  const int key = static_cast<int>(msg.wParam);
  const bool paging = key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END;
  return paging && GetKeyState(VK_CONTROL) < 0 ? key | kWithCtrl : key;
}

// The notification code TranslateAcceleratorW gives the commands of its table.
constexpr WORD kFromAccelerator = 1;

}  // namespace

INT_PTR CALLBACK DialogHost::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* host = reinterpret_cast<DialogHost*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    host->window_ = window;
    // The dialog object initialises the window once it is made, and chooses the focus.
    return FALSE;
  }
  auto* host = reinterpret_cast<DialogHost*>(GetWindowLongPtrW(window, DWLP_USER));
  if (host == nullptr) return FALSE;
  return host->HandleMessage(message, wParam, lParam);
}

INT_PTR DialogHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommandMessage(wParam, lParam);
      return TRUE;
    case WM_SYSCOMMAND:
      return OnSystemCommand(wParam, lParam) ? TRUE : FALSE;
    case WM_DRAWITEM:
      DrawControl(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_QUERYDRAGICON:
      // One of the messages whose result a dialog procedure returns directly.
      return reinterpret_cast<INT_PTR>(bigIcon_);
    default:
      return FALSE;
  }
}

void DialogHost::OnCommandMessage(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const WORD code = HIWORD(wParam);
  const auto source = reinterpret_cast<HWND>(lParam);
  if (source == nullptr) {
    if (code == kFromAccelerator) {
      // An Alt key of the table: a click on its hidden button, unless it is disabled.
      const Control* c = Find(id);
      if (c == nullptr || !IsPushButton(c->tpl->kind) || !::IsWindowEnabled(c->window)) return;
      dialog_.OnCommand(id, Notification::kClicked);
      return;
    }
    // Enter or Esc through the dialog manager where no button has that id.
    if (id == kIdOk || id == kIdCancel) dialog_.OnCommand(id, Notification::kClicked);
    return;
  }
  const Control* c = FindByWindow(source);
  if (c == nullptr) return;
  switch (c->tpl->kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
    case ControlKind::kRadioButton:
    case ControlKind::kCheckBox:
      if (code == BN_CLICKED) dialog_.OnCommand(c->tpl->id, Notification::kClicked);
      break;
    case ControlKind::kEdit:
      if (code == EN_CHANGE) dialog_.OnCommand(c->tpl->id, Notification::kChanged);
      break;
    case ControlKind::kComboBox:
      // Typing in the edit field reports nothing; only a choice from the list does.
      if (code == CBN_SELCHANGE) dialog_.OnCommand(c->tpl->id, Notification::kSelChange);
      break;
    default:
      break;
  }
}

// The window menu: Close (the close box, Alt+F4) and the program's own entries go to the
// dialog object; the rest (move, minimize, the Alt key's menu) to the default processing.
bool DialogHost::OnSystemCommand(WPARAM wParam, LPARAM lParam) {
  const unsigned command = static_cast<unsigned>(wParam) & 0xFFF0u;
  if (command != kScClose && menuCommands_.count(command) == 0) return false;
  dialog_.OnSysCommand(static_cast<unsigned>(wParam), static_cast<long>(lParam));
  return true;
}

bool DialogHost::PreTranslate(MSG& msg) {
  if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && accelerators_ != nullptr &&
      ::IsWindowEnabled(window_) && TranslateAcceleratorW(window_, accelerators_, &msg) != 0) {
    if (msg.message == WM_SYSKEYDOWN) system_.AltChordTaken();
    return true;
  }
  if (msg.message == WM_KEYDOWN) {
    MSG* outer = keyMessage_;
    keyMessage_ = &msg;
    const bool handled = dialog_.PreTranslateMessage(VirtualKeyOf(msg));
    keyMessage_ = outer;
    return handled || EnterLeftToMultiLineEdit(msg);
  }
  return IsDialogMessageW(window_, &msg) != FALSE;
}

// Enter that the dialog leaves to an edit of several lines which takes no Enter
// (ES_WANTRETURN) goes nowhere: the edit would pass it on to the window as IDOK, and end
// it.
bool DialogHost::EnterLeftToMultiLineEdit(const MSG& msg) const {
  if (msg.wParam != VK_RETURN) return false;
  const LONG_PTR style = GetWindowLongPtrW(msg.hwnd, GWL_STYLE);
  const Control* c = FindByWindow(msg.hwnd);
  return c != nullptr && c->tpl->kind == ControlKind::kEdit && (style & ES_MULTILINE) != 0 &&
         (style & ES_WANTRETURN) == 0;
}

// The dialog manager's processing of the key-down message being pre-translated: Tab and
// the arrows move the focus, Enter presses the focused or default button, Esc cancels.
bool DialogHost::IsDialogMessage(int virtualKey) {
  if (keyMessage_ != nullptr && static_cast<int>(keyMessage_->wParam) == virtualKey) {
    return IsDialogMessageW(window_, keyMessage_) != FALSE;
  }
  // Asked for a key that is not on its way from the queue: the same key, pressed now.
  MSG msg{};
  msg.hwnd = ::GetFocus() != nullptr ? ::GetFocus() : window_;
  msg.message = WM_KEYDOWN;
  msg.wParam = static_cast<WPARAM>(virtualKey);
  msg.time = GetMessageTime();
  return IsDialogMessageW(window_, &msg) != FALSE;
}

void DialogHost::TakeKeyboard() {
  if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
  if (focusId_ != 0 && Find(focusId_) != nullptr) {
    SetFocus(focusId_);
    return;
  }
  for (const Control& c : controls_) {
    const LONG_PTR style = GetWindowLongPtrW(c.window, GWL_STYLE);
    if ((style & WS_TABSTOP) != 0 && (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0) {
      SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c.window), TRUE);
      return;
    }
  }
}

int DialogHost::RunModal() {
  if (ended_) return result_;  // ended while it initialised
  // The owner takes no input while this window runs, as under a modal dialog box.
  if (owner_ != nullptr && ::IsWindowEnabled(owner_)) {
    ::EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  ShowWindow(window_, SW_SHOW);
  TakeKeyboard();
  if (system_.MainWindow() == this) system_.MainWindowReady();

  MSG msg;
  while (!ended_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    if (got < 0) break;
    system_.Route(msg);
  }
  // The owner first, so that it becomes the active window when this one goes.
  if (ownerDisabled_ && owner_ != nullptr) ::EnableWindow(owner_, TRUE);
  ownerDisabled_ = false;
  ShowWindow(window_, SW_HIDE);
  return result_;
}

void DialogHost::ShowModeless() {
  ShowWindow(window_, SW_SHOW);
  TakeKeyboard();
}

void DialogHost::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  if (modal_) {
    // The modal loop sees the end once the message being handled now returns.
    PostMessageW(window_, WM_NULL, 0, 0);
  } else {
    // A modeless window only leaves the screen; it goes with its dialog object.
    ShowWindow(window_, SW_HIDE);
  }
}

}  // namespace platform::win32
