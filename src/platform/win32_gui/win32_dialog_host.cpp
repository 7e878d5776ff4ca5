// Building a window from its template, and the by-id operations of a real window.
#include "platform/win32_gui/win32_dialog_host.h"

#include "platform/dialog/combo_order.h"
#include "platform/win32_gui/win32_accessibility.h"
#include "platform/win32_gui/win32_dialog_build.h"
#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_icons.h"
#include "platform/win32_gui/win32_message_box.h"
#include "platform/win32_gui/win32_multiline_edit.h"
#include "platform/win32_gui/win32_picture.h"
#include "platform/win32_gui/win32_window_system.h"

namespace platform::win32 {

namespace {

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kDefPushButton;
}

// The edit field of a combo box, which takes the focus in its place; nullptr for others.
HWND EditFieldOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

bool IsMultiLineEdit(const ControlTemplate& c) {
  return c.kind == ControlKind::kEdit && (c.style & kMultiLine) != 0;
}

std::string WindowText(HWND window) {
  if (window == nullptr) return {};
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return Narrow(text);
}

}  // namespace

DialogHost::DialogHost(WindowSystem& system, const DialogTemplate& tpl, Dialog& dialog, HWND owner,
                       bool modal)
    : system_(system), template_(tpl), dialog_(dialog), owner_(owner), modal_(modal) {
  BuildWindow(owner);
  if (window_ == nullptr) return;
  FindControls();
  NameControls();
  BuildAccelerators();
  system_.Register(window_, this);
}

DialogHost::~DialogHost() {
  if (window_ != nullptr) {
    system_.Unregister(window_);
    for (const Control& c : controls_) {
      if (c.tpl->accessibleName.empty() && c.tpl->kind != ControlKind::kPicture) continue;
      ClearAnnotations(c.window);
      if (c.tpl->kind == ControlKind::kComboBox) ClearAnnotations(EditFieldOf(c.window));
    }
    // Nothing of the window may outlive the object its messages would be reported to.
    SetWindowLongPtrW(window_, DWLP_USER, 0);
    // The sentences said last (the closing one) are heard while the window is there.
    if (announced_) system_.FinishSentences();
    if (ownerDisabled_ && owner_ != nullptr) ::EnableWindow(owner_, TRUE);
    DestroyWindow(window_);
  }
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
  for (HFONT font : fonts_) DeleteObject(font);
}

void DialogHost::BuildWindow(HWND owner) {
  const DialogFont font = ChooseDialogFont(template_.fontFace, template_.pointSize);
  const std::vector<std::uint16_t> bytes = BuildDialogTemplate(template_, font);
  // The dialog procedure keeps `this` from WM_INITDIALOG on; the window is made hidden.
  CreateDialogIndirectParamW(system_.Instance(), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                             owner, &DialogHost::DialogProc, reinterpret_cast<LPARAM>(this));
  if (window_ == nullptr) return;
  if (const int icon = template_.windowIcon; icon != 0) SetIcon(icon);
}

// The dialog manager made the controls as direct children in template order.
void DialogHost::FindControls() {
  controls_.reserve(template_.controls.size());
  HWND child = GetWindow(window_, GW_CHILD);
  for (const ControlTemplate& c : template_.controls) {
    controls_.push_back({&c, child});
    if (child != nullptr) child = GetWindow(child, GW_HWNDNEXT);
  }
  for (const Control& c : controls_) {
    if (!IsMultiLineEdit(*c.tpl) || c.window == nullptr) continue;
    if (HFONT font = PrepareMultiLineEdit(c.window)) fonts_.push_back(font);
  }
  // The template's first items of a combo box's list.
  for (const Control& c : controls_) {
    if (c.tpl->kind != ControlKind::kComboBox) continue;
    for (std::string_view item : template_.comboInitialItems) {
      const std::wstring text = Widen(item);
      SendMessageW(c.window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
}

// Edits and the combo box have no caption: they get the name of the label a sighted user
// reads them by, twice over. As a property annotation, the name the accessibility layer
// gives them (the combo box's edit field, which takes the focus, too); and as a label of
// no size placed just before the control, where the accessibility layer looks for the
// label of a control without annotations (older systems, Wine). Labels take no focus, so
// the tab order stays the template's.
void DialogHost::NameControls() {
  for (const Control& c : controls_) {
    if (c.tpl->kind == ControlKind::kPicture) HideFromScreenReader(c.window);
    if (c.tpl->accessibleName.empty() || c.window == nullptr) continue;
    SetAccessibleName(c.window, c.tpl->accessibleName);
    if (c.tpl->kind == ControlKind::kComboBox) {
      SetAccessibleName(EditFieldOf(c.window), c.tpl->accessibleName);
    }
    RECT at{};
    GetWindowRect(c.window, &at);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&at), 1);
    HWND label = CreateWindowExW(0, L"Static", Widen(c.tpl->accessibleName).c_str(),
                                 WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, at.left, at.top, 0,
                                 0, window_, nullptr, system_.Instance(), nullptr);
    HWND before = GetWindow(c.window, GW_HWNDPREV);
    SetWindowPos(label, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// The dialog manager does not treat the mnemonics of hidden controls alike on every
// system (Wine skips them), so the hidden buttons' Alt keys come from a table made from
// their captions. The visible buttons keep their mnemonics, which the dialog manager
// honours only while they are enabled.
void DialogHost::BuildAccelerators() {
  std::vector<ACCEL> entries;
  for (const Control& c : controls_) {
    if (!IsPushButton(c.tpl->kind) || (c.tpl->style & kHidden) == 0) continue;
    const char key = MnemonicOf(c.tpl->text);
    if (key == 0) continue;
    entries.push_back(
        {static_cast<BYTE>(FALT | FVIRTKEY), static_cast<WORD>(key), static_cast<WORD>(c.tpl->id)});
  }
  if (!entries.empty()) {
    accelerators_ = CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size()));
  }
}

DialogHost::Control* DialogHost::Find(int id) {
  if (id == kStaticId) return nullptr;
  for (Control& c : controls_) {
    if (c.tpl->id == id) return c.window != nullptr ? &c : nullptr;
  }
  return nullptr;
}

const DialogHost::Control* DialogHost::Find(int id) const {
  return const_cast<DialogHost*>(this)->Find(id);
}

const DialogHost::Control* DialogHost::FindByWindow(HWND window) const {
  for (const Control& c : controls_) {
    if (c.window == window) return &c;
  }
  return nullptr;
}

HWND DialogHost::ControlWindow(int id) const {
  const Control* c = Find(id);
  return c != nullptr ? c->window : nullptr;
}

// ---- text ----

// An edit of several lines keeps "\r\n" between its lines; the program sees "\n".
std::string DialogHost::GetText(int id) const {
  const Control* c = Find(id);
  if (c == nullptr) return {};
  std::string text = WindowText(c->window);
  return IsMultiLineEdit(*c->tpl) ? ProgramLines(std::move(text)) : text;
}

// An edit reports the change itself, synchronously (EN_CHANGE), as the dialog expects.
void DialogHost::SetText(int id, std::string_view text) {
  const Control* c = Find(id);
  if (c == nullptr) return;
  if (!IsMultiLineEdit(*c->tpl)) {
    SetWindowTextW(c->window, Widen(text).c_str());
    return;
  }
  SetWindowTextW(c->window, ControlLines(text).c_str());
  // Read from its first line: the caret at the start, the start in view.
  SendMessageW(c->window, EM_SETSEL, 0, 0);
  SendMessageW(c->window, EM_SCROLLCARET, 0, 0);
}

// ---- buttons ----

int DialogHost::GetCheck(int id) const {
  const Control* c = Find(id);
  if (c == nullptr) return kUnchecked;
  if (c->tpl->kind != ControlKind::kRadioButton && c->tpl->kind != ControlKind::kCheckBox) {
    return kUnchecked;
  }
  return SendMessageW(c->window, BM_GETCHECK, 0, 0) == BST_UNCHECKED ? kUnchecked : kChecked;
}

void DialogHost::SetCheck(int id, int state) {
  const Control* c = Find(id);
  if (c == nullptr) return;
  if (c->tpl->kind != ControlKind::kRadioButton && c->tpl->kind != ControlKind::kCheckBox) return;
  SendMessageW(c->window, BM_SETCHECK, state != kUnchecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// ---- visibility, enabled state, focus ----

void DialogHost::ShowControl(int id, bool show) {
  if (const Control* c = Find(id)) ShowWindow(c->window, show ? SW_SHOWNA : SW_HIDE);
}

// The control's own state, whatever the window's.
bool DialogHost::IsControlVisible(int id) const {
  const Control* c = Find(id);
  return c != nullptr && (GetWindowLongPtrW(c->window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void DialogHost::EnableControl(int id, bool enable) {
  if (const Control* c = Find(id)) ::EnableWindow(c->window, enable ? TRUE : FALSE);
}

bool DialogHost::IsControlEnabled(int id) const {
  const Control* c = Find(id);
  return c != nullptr && ::IsWindowEnabled(c->window) != FALSE;
}

void DialogHost::SetFocus(int id) {
  const Control* c = Find(id);
  if (c == nullptr) return;
  focusId_ = id;
  // A window on screen but not active (its modeless child was in front until now) takes
  // no keys: activate it first. WM_NEXTDLGCTL moves the focus as the dialog manager
  // does: the default button follows, an edit's text is selected.
  if (IsWindowVisible(window_) && ::IsWindowEnabled(window_) && GetActiveWindow() != window_) {
    SetActiveWindow(window_);
  }
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c->window), TRUE);
}

int DialogHost::GetFocus() const {
  // Climb from the focused window (a combo box's edit field, say) to the control.
  HWND focused = ::GetFocus();
  while (focused != nullptr && GetParent(focused) != window_) {
    if (focused == window_) return 0;
    focused = GetParent(focused);
  }
  if (focused == nullptr) return 0;
  const Control* c = FindByWindow(focused);
  return c != nullptr && c->tpl->id != kStaticId ? c->tpl->id : 0;
}

// ---- combo box ----

void DialogHost::ComboReset(int id) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return;
  SendMessageW(c->window, CB_RESETCONTENT, 0, 0);
}

int DialogHost::ComboAdd(int id, std::string_view text) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return -1;
  const int count = ComboCount(id);
  int index = count;
  if ((c->tpl->style & kSorted) != 0) {
    // After the last item that does not sort after the new one.
    index = 0;
    while (index < count && !ComboItemLess(text, ComboItem(id, index))) ++index;
  }
  const std::wstring item = Widen(text);
  const LRESULT at = SendMessageW(c->window, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(item.c_str()));
  return at < 0 ? -1 : static_cast<int>(at);
}

void DialogHost::ComboDelete(int id, int index) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return;
  if (index < 0 || index >= ComboCount(id)) return;
  SendMessageW(c->window, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int DialogHost::ComboCount(int id) const {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return 0;
  const LRESULT n = SendMessageW(c->window, CB_GETCOUNT, 0, 0);
  return n < 0 ? 0 : static_cast<int>(n);
}

// The control reports no choice the program makes; -1 also empties the edit field.
void DialogHost::ComboSelect(int id, int index) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return;
  if (index < 0 || index >= ComboCount(id)) index = -1;
  SendMessageW(c->window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DialogHost::ComboSelection(int id) const {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return -1;
  const LRESULT selection = SendMessageW(c->window, CB_GETCURSEL, 0, 0);
  return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

std::string DialogHost::ComboItem(int id, int index) const {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kComboBox) return {};
  const LRESULT length = SendMessageW(c->window, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(c->window, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
  return Narrow(text);
}

// ---- progress bar ----

void DialogHost::ProgressSetRange(int id, int low, int high) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kProgressBar) return;
  SendMessageW(c->window, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

void DialogHost::ProgressSetStep(int id, int step) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kProgressBar) return;
  SendMessageW(c->window, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

int DialogHost::ProgressSetPos(int id, int pos) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kProgressBar) return 0;
  return static_cast<int>(SendMessageW(c->window, PBM_SETPOS, static_cast<WPARAM>(pos), 0));
}

int DialogHost::ProgressPos(int id) const {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kProgressBar) return 0;
  return static_cast<int>(SendMessageW(c->window, PBM_GETPOS, 0, 0));
}

// ---- picture ----

void DialogHost::SetPicture(int id, const Picture& picture) {
  const Control* c = Find(id);
  if (c == nullptr || c->tpl->kind != ControlKind::kPicture) return;
  pictures_[id] = picture;
  InvalidateRect(c->window, nullptr, FALSE);
}

void DialogHost::DrawControl(const DRAWITEMSTRUCT& item) const {
  const Control* c = FindByWindow(item.hwndItem);
  if (c == nullptr || c->tpl->kind != ControlKind::kPicture) return;
  const auto it = pictures_.find(c->tpl->id);
  DrawPicture(item.hDC, item.rcItem, it != pictures_.end() ? it->second : Picture{});
}

// ---- the window ----

int DialogHost::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  // A window not yet on screen (still initialising) cannot own a box.
  HWND owner = IsWindowVisible(window_) ? window_ : system_.MainHwnd();
  if (owner != nullptr && !IsWindowVisible(owner)) owner = nullptr;
  return ShowMessageBox(owner, text, caption, type);
}

void DialogHost::SetTitle(std::string_view title) { SetWindowTextW(window_, Widen(title).c_str()); }

std::string DialogHost::Title() const { return WindowText(window_); }

void DialogHost::EnableWindow(bool enable) { ::EnableWindow(window_, enable ? TRUE : FALSE); }

bool DialogHost::IsWindowEnabled() const { return ::IsWindowEnabled(window_) != FALSE; }

bool DialogHost::AppendSystemMenuItem(int command, std::string_view text) {
  if ((template_.style & kSystemMenu) == 0) return false;
  HMENU menu = GetSystemMenu(window_, FALSE);
  if (menu == nullptr) return false;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), Widen(text).c_str());
  menuCommands_.insert(static_cast<unsigned>(command) & 0xFFF0u);
  return true;
}

void DialogHost::SetIcon(int iconResource) {
  HICON big = LoadIconResource(system_.Instance(), iconResource, IconSize::kLarge);
  HICON small = LoadIconResource(system_.Instance(), iconResource, IconSize::kSmall);
  if (big != nullptr) {
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    bigIcon_ = big;
  }
  if (small != nullptr) {
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
    smallIcon_ = small;
  }
}

// The sentence goes to the running screen readers' own voices, which speak whichever
// window is in front; where none took it, it is raised as a notification on the main
// window, which a screen reader follows as the program's window. Never both: a reader
// would say it twice.
void DialogHost::AnnounceToScreenReader(std::string_view text) {
  HWND main = system_.MainHwnd();
  system_.Announce(main != nullptr ? main : window_, text);
  announced_ = true;
}

}  // namespace platform::win32
