// The window that stands behind one dialog object. A host builds the controls of a
// template, keeps their state and reports what the user does to its Dialog through
// Dialog::OnCommand, Dialog::PreTranslateMessage and the close box. Two hosts exist:
// the headless one (controls in memory, driven by tests and varnel-cli) and the wx one
// (real windows).
#pragma once

#include <string>
#include <string_view>

#include "platform/picture.h"

namespace platform {

// Message box types (the values of the original platform) and results.
enum MessageBoxType : unsigned {
  kMbOk = 0x00,
  kMbOkCancel = 0x01,
  kMbIconStop = 0x10,
  kMbIconInformation = 0x40,
};
inline constexpr int kMbResultOk = 1;
inline constexpr int kMbResultCancel = 2;

// Check states of buttons.
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // Control text. Setting an edit's text raises its change notification synchronously; a
  // multi-line edit shows its new text from the start.
  virtual std::string GetText(int id) const = 0;
  virtual void SetText(int id, std::string_view text) = 0;

  // Buttons, radio buttons and check boxes.
  virtual int GetCheck(int id) const = 0;
  virtual void SetCheck(int id, int state) = 0;

  virtual void ShowControl(int id, bool show) = 0;
  virtual bool IsControlVisible(int id) const = 0;
  virtual void EnableControl(int id, bool enable) = 0;
  virtual bool IsControlEnabled(int id) const = 0;

  // Keyboard focus, by control id; 0 when no control of this window has it.
  virtual void SetFocus(int id) = 0;
  virtual int GetFocus() const = 0;

  // Combo box list.
  virtual void ComboReset(int id) = 0;
  virtual int ComboAdd(int id, std::string_view text) = 0;  // index of the new item
  virtual void ComboDelete(int id, int index) = 0;
  virtual int ComboCount(int id) const = 0;
  virtual void ComboSelect(int id, int index) = 0;  // -1 selects nothing
  virtual int ComboSelection(int id) const = 0;     // -1 when nothing is selected
  virtual std::string ComboItem(int id, int index) const = 0;

  // Progress bar.
  virtual void ProgressSetRange(int id, int low, int high) = 0;
  virtual void ProgressSetStep(int id, int step) = 0;
  virtual int ProgressSetPos(int id, int pos) = 0;  // the previous position
  virtual int ProgressPos(int id) const = 0;

  // Picture control.
  virtual void SetPicture(int id, const Picture& picture) = 0;

  // The window.
  virtual int MessageBox(std::string_view text, std::string_view caption, unsigned type) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual std::string Title() const = 0;
  virtual void EnableWindow(bool enable) = 0;
  virtual bool IsWindowEnabled() const = 0;
  // Adds a separator and an item to the window menu, where the platform lets programs
  // have one. Returns false where it does not.
  virtual bool AppendSystemMenuItem(int command, std::string_view text) = 0;
  virtual void SetIcon(int iconResource) = 0;
  // Speaks a sentence through the platform's accessibility layer, where it has one.
  virtual void AnnounceToScreenReader(std::string_view text) = 0;

  // The standard keyboard handling of a dialog for a key-down message: Enter presses the
  // focused or default push button, Esc cancels, Tab moves the focus. Returns true when
  // the message has been handled.
  virtual bool IsDialogMessage(int virtualKey) = 0;

  // Shows the window and runs it modally until EndDialog; returns the result.
  virtual int RunModal() = 0;
  // Shows a modeless window.
  virtual void ShowModeless() = 0;
  // Ends a modal run with the result, or hides a modeless window.
  virtual void EndDialog(int result) = 0;
};

}  // namespace platform
