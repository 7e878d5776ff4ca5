// One dialog object's real window: a wxDialog built from the object's template, with
// every control at its dialog-unit position in the template's font. It reports what
// the user does to the Dialog (clicks, edit changes, combo choices, key-down messages,
// the close box) and carries out the Dialog's by-id operations.
#pragma once

#include <wx/dialog.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog/dialog.h"
#include "platform/dialog/dialog_host.h"
#include "platform/dialog/dialog_template.h"

class wxCloseEvent;
class wxCommandEvent;
class wxIdleEvent;
class wxKeyEvent;
class wxRadioButton;

namespace platform::wx {

class WindowSystem;

class DialogHost final : public platform::DialogHost {
 public:
  DialogHost(WindowSystem& system, const DialogTemplate& tpl, Dialog& dialog, wxWindow* parent);
  ~DialogHost() override;
  DialogHost(const DialogHost&) = delete;
  DialogHost& operator=(const DialogHost&) = delete;

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

  wxDialog& Window() { return *window_; }
  const DialogTemplate& Template() const { return template_; }

 private:
  struct Control {
    const ControlTemplate* tpl = nullptr;
    wxWindow* window = nullptr;
    // For a radio button: the hidden radio of its group, checked to leave the group with
    // no visible radio checked (a GTK group always has one radio on).
    wxRadioButton* groupOff = nullptr;
  };
  struct ProgressState {
    int low = 0;
    int high = 100;
    int step = 10;
    int pos = 0;
  };

  // ---- building (wx_dialog_build.cpp) ----
  void BuildWindow(wxWindow* parent);
  void BuildControls();
  wxWindow* BuildControl(const ControlTemplate& c, bool firstRadioOfGroup);
  void InstallAccelerators();
  void BindEvents();

  // ---- input (wx_dialog_input.cpp) ----
  void OnCharHook(wxKeyEvent& event);
  bool RefusedByFocusedEdit(const wxKeyEvent& event) const;
  void OnClose(wxCloseEvent& event);
  void OnClicked(wxCommandEvent& event);
  void OnAccelerator(wxCommandEvent& event);
  void OnTextChanged(wxCommandEvent& event);
  void OnComboChosen(wxCommandEvent& event);
  void OnIdleUntilReady(wxIdleEvent& event);
  // The control that sent a command event: the template control with the event's id
  // whose window is the event's source. nullptr for anything else.
  const Control* SourceOf(const wxCommandEvent& event) const;
  // Before a window first shows: unless the dialog put the focus somewhere, it goes to
  // the first control Tab reaches, as a dialog starts.
  void FocusFirstTabStopUnlessSet();
  // Tab and Shift+Tab: the next or previous control that takes the focus, in template order,
  // as the dialog manager moves it. GTK's own order would visit the inner parts of a combo
  // box and follow the widgets' places on screen.
  void MoveFocus(bool forward);
  // A tab stop on screen and enabled.
  static bool IsTabStopNow(const Control& c);

  Control* Find(int id);
  const Control* Find(int id) const;
  void UpdateGauge(const Control& c, const ProgressState& p);

  WindowSystem& system_;
  const DialogTemplate& template_;
  Dialog& dialog_;
  wxDialog* window_ = nullptr;
  std::vector<Control> controls_;
  std::map<int, ProgressState> progress_;
  // Set by IsDialogMessage when the toolkit's own handling of the key should run.
  bool passKeyToToolkit_ = false;
  bool ended_ = false;
  // The dialog has given some control the focus.
  bool focusSet_ = false;
  // The main window has yet to tell the program it is ready for keys.
  bool waitingForReady_ = false;
  int result_ = 0;
  // The control that had the focus when the window was disabled; GTK forgets it.
  wxWindow* focusBeforeDisable_ = nullptr;
};

}  // namespace platform::wx
