// One window of the headless window system. Besides the DialogHost operations the
// dialog uses, it offers what a user does: click, type, paste, choose, press keys.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dialog/dialog.h"
#include "platform/dialog/dialog_host.h"
#include "platform/dialog/dialog_template.h"

namespace platform {

class HeadlessWindowSystem;

class HeadlessHost : public DialogHost {
 public:
  HeadlessHost(HeadlessWindowSystem& system, const DialogTemplate& tpl, Dialog& dialog,
               DialogHost* owner);
  ~HeadlessHost() override;

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
  int GetFocus() const override { return focus_; }
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
  void SetTitle(std::string_view title) override { title_ = std::string(title); }
  std::string Title() const override { return title_; }
  void EnableWindow(bool enable) override { windowEnabled_ = enable; }
  bool IsWindowEnabled() const override { return windowEnabled_; }
  bool AppendSystemMenuItem(int command, std::string_view text) override;
  void SetIcon(int iconResource) override { icon_ = iconResource; }
  void AnnounceToScreenReader(std::string_view text) override;
  bool IsDialogMessage(int virtualKey) override;
  int RunModal() override;
  void ShowModeless() override;
  void EndDialog(int result) override;

  // ---- what the user does; each returns false when the control cannot take it ----
  // A mouse click on a visible, enabled control.
  bool Click(int id);
  // Focuses an edit and replaces its whole text, as typing over a selection does.
  bool Type(int id, std::string_view text);
  // Focuses an edit and replaces its whole text from the clipboard.
  bool Paste(int id, std::string_view text) { return Type(id, text); }
  // Picks the list item of a combo box, as with the mouse.
  bool Choose(int id, int index);
  bool Choose(int id, std::string_view itemText);
  // A character typed at the end of the focused edit; a digits-only edit takes digits alone.
  bool TypeKey(char c);
  // A key-down message, through the dialog's PreTranslateMessage.
  void PressKey(int virtualKey);
  // Alt with a key: an accelerator of a hidden button, or the mnemonic of a visible control.
  bool PressAlt(char key);
  // The window's close box.
  void CloseBox();
  void SystemMenu(unsigned command);

  // ---- what the window shows ----
  const DialogTemplate& Template() const { return template_; }
  bool IsShown() const { return shown_; }
  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  int Icon() const { return icon_; }
  DialogHost* Owner() const { return owner_; }
  // The dialog object behind the window.
  Dialog& Object() const { return dialog_; }
  std::vector<std::string> ComboItems(int id) const;
  // The picture of a picture control; an empty one for any other control.
  Picture PictureOf(int id) const;
  const std::vector<std::pair<int, std::string>>& SystemMenuItems() const { return menu_; }
  const std::vector<std::string>& ScreenReaderAnnouncements() const { return announcements_; }

 private:
  struct ControlState {
    const ControlTemplate* tpl = nullptr;
    std::string text;
    int check = 0;
    bool visible = true;
    bool enabled = true;
    std::vector<std::string> items;
    int selection = -1;
    int low = 0;
    int high = 100;
    int step = 10;
    int pos = 0;
    Picture picture;
  };

  ControlState* Find(int id);
  const ControlState* Find(int id) const;
  bool TakesInput(const ControlState& c) const;
  // Clicks a control whatever its visibility: mouse clicks and accelerators end here.
  void Activate(ControlState& c);
  void MoveFocus(bool forward);
  // Before a window first shows: unless the dialog put the focus somewhere, it goes to the
  // first control Tab reaches, as a dialog starts.
  void FocusFirstTabStopUnlessSet();
  bool IsFocusable(const ControlState& c) const;

  HeadlessWindowSystem& system_;
  const DialogTemplate& template_;
  Dialog& dialog_;
  DialogHost* owner_;
  std::vector<ControlState> controls_;
  std::vector<std::pair<int, std::string>> menu_;
  std::vector<std::string> announcements_;
  std::string title_;
  int focus_ = 0;
  int icon_ = 0;
  bool windowEnabled_ = true;
  bool shown_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace platform
