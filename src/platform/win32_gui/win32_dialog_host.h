// One dialog object's real window: a Windows dialog created from the object's template
// (CreateDialogIndirectParamW), in the template's font, with the Alt keys of the hidden
// buttons in an accelerator table of its own. It reports what the user does to the
// Dialog (clicks, edit changes, combo choices, key-down messages, the window menu) and
// carries out the Dialog's by-id operations on the native controls.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog/dialog.h"
#include "platform/dialog/dialog_host.h"
#include "platform/dialog/dialog_template.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

class WindowSystem;

class DialogHost final : public platform::DialogHost {
 public:
  DialogHost(WindowSystem& system, const DialogTemplate& tpl, Dialog& dialog, HWND owner,
             bool modal);
  ~DialogHost() override;
  DialogHost(const DialogHost&) = delete;
  DialogHost& operator=(const DialogHost&) = delete;

  // False when the window could not be made.
  bool Created() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  // The control's window, or nullptr.
  HWND ControlWindow(int id) const;

  // ---- DialogHost ----
  std::string GetText(int id) const override;
  void SetText(int id, std::string_view text) override;
  int GetCheck(int id) const override;
  void SetCheck(int id, int state) override;
  void ShowControl(int id, bool show) override;
  bool IsControlVisible(int id) const override;
  void EnableControl(int id, bool enable) override;
  bool IsControlEnabled(int id) const override;
  void SetFocus(int id) override;
  int GetFocus() const override;
  void ComboReset(int id) override;
  int ComboAdd(int id, std::string_view text) override;
  void ComboDelete(int id, int index) override;
  int ComboCount(int id) const override;
  void ComboSelect(int id, int index) override;
  int ComboSelection(int id) const override;
  std::string ComboItem(int id, int index) const override;
  void ProgressSetRange(int id, int low, int high) override;
  void ProgressSetStep(int id, int step) override;
  int ProgressSetPos(int id, int pos) override;
  int ProgressPos(int id) const override;
  void SetPicture(int id, const Picture& picture) override;
  int MessageBox(std::string_view text, std::string_view caption, unsigned type) override;
  void SetTitle(std::string_view title) override;
  std::string Title() const override;
  void EnableWindow(bool enable) override;
  bool IsWindowEnabled() const override;
  bool AppendSystemMenuItem(int command, std::string_view text) override;
  void SetIcon(int iconResource) override;
  void AnnounceToScreenReader(std::string_view text) override;
  bool IsDialogMessage(int virtualKey) override;
  int RunModal() override;
  void ShowModeless() override;
  void EndDialog(int result) override;

  // A message read from the queue for this window or one of its controls, before it is
  // dispatched: the accelerator table, then key-down messages to the dialog object's
  // PreTranslateMessage, anything else to the dialog manager. True when it has been
  // handled; false leaves it to be translated and dispatched as an ordinary message.
  bool PreTranslate(MSG& msg);

 private:
  struct Control {
    const ControlTemplate* tpl = nullptr;
    HWND window = nullptr;
  };

  // ---- building (win32_dialog_host.cpp) ----
  void BuildWindow(HWND owner);
  void FindControls();
  void NameControls();
  void BuildAccelerators();

  // ---- messages (win32_dialog_input.cpp) ----
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommandMessage(WPARAM wParam, LPARAM lParam);
  bool OnSystemCommand(WPARAM wParam, LPARAM lParam);
  // Paints an owner-drawn control: a picture control.
  void DrawControl(const DRAWITEMSTRUCT& item) const;
  bool EnterLeftToMultiLineEdit(const MSG& msg) const;
  // Brings the window forward with the keyboard, then gives it to the control the dialog
  // chose, or to the first control Tab reaches.
  void TakeKeyboard();

  Control* Find(int id);
  const Control* Find(int id) const;
  const Control* FindByWindow(HWND window) const;

  WindowSystem& system_;
  const DialogTemplate& template_;
  Dialog& dialog_;
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  std::vector<Control> controls_;
  HACCEL accelerators_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  // Fonts made for controls, deleted with the window.
  std::vector<HFONT> fonts_;
  // What each picture control shows, by id.
  std::map<int, Picture> pictures_;
  // Commands this program added to the window menu.
  std::set<unsigned> menuCommands_;
  // The key-down message being pre-translated: IsDialogMessage hands it to the dialog
  // manager.
  MSG* keyMessage_ = nullptr;
  // The control the dialog gave the focus, by id (0: none yet).
  int focusId_ = 0;
  bool modal_;
  bool ownerDisabled_ = false;
  bool ended_ = false;
  // A sentence was said from this window: its last ones are heard before it closes.
  bool announced_ = false;
  int result_ = 0;
};

}  // namespace platform::win32
