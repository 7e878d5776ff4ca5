// Base of the program's dialog classes: the object side of one window. It owns the
// window's host while the window exists, offers the by-id operations the handlers use,
// and receives what the user does through OnCommand and PreTranslateMessage.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/dialog/dialog_host.h"
#include "platform/dialog/dialog_template.h"
#include "platform/platform.h"

namespace platform {

enum class Notification {
  kClicked,    // a button, radio button or check box was clicked
  kChanged,    // an edit's text changed
  kSelChange,  // a combo box's selection changed
};

// Virtual keys of key-down messages.
inline constexpr int kVkTab = 9;
inline constexpr int kVkReturn = 13;
inline constexpr int kVkEscape = 27;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;
inline constexpr int kVkPrior = 33;  // Page Up
inline constexpr int kVkNext = 34;   // Page Down
inline constexpr int kVkEnd = 35;
inline constexpr int kVkHome = 36;
// Added to Page Up, Page Down, Home and End pressed with Ctrl. The window handles such a
// key as the focused control's own unless a dialog takes it.
inline constexpr int kWithCtrl = 0x10000;

// System menu command of the close box.
inline constexpr unsigned kScClose = 0xF060;

class DataExchange;

class Dialog {
 public:
  Dialog(const DialogTemplate& tpl, Platform& platform);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the window, runs it modally and destroys it; returns the dialog's result.
  int DoModal(DialogHost* owner = nullptr);
  // Makes this dialog's window the application's main window while it exists.
  void SetMainWindowRole() { mainWindow_ = true; }
  // Creates the window modelessly. False when it cannot be made.
  bool CreateModeless(DialogHost* owner);
  // Destroys the window; the object lives on.
  virtual void DestroyWindow();
  bool HasWindow() const { return host_ != nullptr; }
  DialogHost* Host() const { return host_.get(); }
  const DialogTemplate& Template() const { return template_; }
  Platform& Services() const { return platform_; }

  // Called by the host.
  virtual bool OnInitDialog();
  virtual void OnCommand(int id, Notification code);
  // A key-down message (keys pressed with Alt are not key-down messages) before the
  // window handles it. Returns true when it has been handled. The base passes it to the
  // standard dialog keyboard handling.
  virtual bool PreTranslateMessage(int virtualKey);
  virtual void OnSysCommand(unsigned command, long param);
  virtual void OnOK();
  virtual void OnCancel();

  void EndDialog(int result);
  // Moves data between members and controls: towards the members when `save` is true.
  // False when a control's content is refused.
  bool UpdateData(bool save = true);
  virtual void DoDataExchange(DataExchange& dx);

  // By-id operations of the window (harmless while there is no window).
  std::string GetDlgItemText(int id) const;
  void SetDlgItemText(int id, std::string_view text);
  void CheckDlgButton(int id, int state);
  int IsDlgButtonChecked(int id) const;
  void GotoDlgCtrl(int id);
  int GetFocusedId() const;
  int MessageBox(std::string_view text, std::string_view caption, unsigned type);
  void SetWindowText(std::string_view title);
  std::string GetWindowText() const;
  void EnableWindow(bool enable);
  bool IsWindowEnabled() const;

 protected:
  // Runs the message-map entry for (id, code). False when the map has none.
  virtual bool DispatchCommand(int id, Notification code);

 private:
  const DialogTemplate& template_;
  Platform& platform_;
  std::unique_ptr<DialogHost> host_;
  bool mainWindow_ = false;

  // Creates the host and runs the initialisation. False when the window cannot be made.
  bool Build(DialogHost* owner, bool modal);
};

}  // namespace platform
