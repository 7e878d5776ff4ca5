// What every dialog back end must do alike, whatever draws the windows: one set of checks,
// run on the headless host (tests/platform), on wxWidgets under Xvfb (tests/gui) and on the
// Windows dialog manager under Wine (tests/windows_gui). Each program instantiates the suite
// with a driver that gives the back end's services and acts as a user does:
//
//   platform::Platform& Services();
//   void Settle();                                  // handles what is waiting
//   void Press(platform::DialogHost&, int key, bool alt);  // kVk*, 'A'..'Z', '0'..'9'
//   void Type(platform::DialogHost&, char c);       // a character key
//   void Click(platform::DialogHost&, int id);      // a mouse click on the control
//   void CloseBox(platform::DialogHost&);           // the window's close box
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog/dialog.h"
#include "res/resource.h"
#include "res/templates.h"

namespace test {

// What a window reported, one "ID notification;" after the other.
inline std::string Said(int id, platform::Notification code) {
  const char* names[] = {"clicked", "changed", "chosen"};
  return std::to_string(id) + " " + names[static_cast<int>(code)] + ";";
}
inline std::string Clicked(int id) { return Said(id, platform::Notification::kClicked); }
inline std::string Changed(int id) { return Said(id, platform::Notification::kChanged); }
inline std::string Chosen(int id) { return Said(id, platform::Notification::kSelChange); }

// A dialog object that writes down what its window reports and does nothing else.
class RecordingDialog : public platform::Dialog {
 public:
  using platform::Dialog::Dialog;
  void OnCommand(int id, platform::Notification code) override { events += Said(id, code); }
  bool PreTranslateMessage(int virtualKey) override {
    keys.push_back(virtualKey);
    return platform::Dialog::PreTranslateMessage(virtualKey);
  }
  void OnSysCommand(unsigned command, long) override { commands.push_back(command & 0xFFF0u); }

  std::string events;
  std::vector<int> keys;
  std::vector<unsigned> commands;
};

template <class Driver>
class DialogHostContract : public ::testing::Test {
 protected:
  // Shows a window of the template, modeless, with the keyboard.
  RecordingDialog& Open(const platform::DialogTemplate& tpl) {
    dialog_ = std::make_unique<RecordingDialog>(tpl, driver_.Services());
    dialog_->SetMainWindowRole();
    EXPECT_TRUE(dialog_->CreateModeless(nullptr));
    driver_.Settle();
    dialog_->events.clear();
    return *dialog_;
  }
  platform::DialogHost& Host() { return *dialog_->Host(); }
  void Press(int key, bool alt = false) {
    driver_.Press(Host(), key, alt);
    driver_.Settle();
  }
  void Type(char c) {
    driver_.Type(Host(), c);
    driver_.Settle();
  }
  void Focus(int id) {
    Host().SetFocus(id);
    driver_.Settle();
  }

  Driver driver_;
  std::unique_ptr<RecordingDialog> dialog_;
};

TYPED_TEST_SUITE_P(DialogHostContract);

TYPED_TEST_P(DialogHostContract, TabVisitsTheTemplatesTabStopsInTemplateOrder) {
  this->Open(res::VarnelTemplate());
  const std::vector<int> expected = {res::kIdcBrowse,  res::kIdcFileName, res::kIdcStartPage,
                                     res::kIdcEndPage, res::kIdcCopies,   res::kIdcPageBreak,
                                     res::kIdcPrint,   res::kIdcVersion,  res::kIdcClose,
                                     res::kIdcPrinter, res::kIdcPort,     res::kIdcBrowse};
  std::vector<int> visited;
  this->Focus(res::kIdcBrowse);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    visited.push_back(this->Host().GetFocus());
    this->Press(platform::kVkTab);
  }
  EXPECT_EQ(visited, expected);
}

TYPED_TEST_P(DialogHostContract, EditsReportEachChangeOnceWhoeverMakesIt) {
  RecordingDialog& dlg = this->Open(res::VarnelTemplate());
  this->Host().SetText(res::kIdcStartPage, "12");
  EXPECT_EQ(dlg.events, Changed(res::kIdcStartPage));
  EXPECT_EQ(this->Host().GetText(res::kIdcStartPage), "12");

  // Typed: a digit goes in, a letter is refused by the digits-only edit.
  this->Host().SetText(res::kIdcStartPage, "");
  this->Focus(res::kIdcStartPage);
  dlg.events.clear();
  this->Type('3');
  this->Type('A');
  this->Type('4');
  EXPECT_EQ(this->Host().GetText(res::kIdcStartPage), "34");
  EXPECT_EQ(dlg.events, Changed(res::kIdcStartPage) + Changed(res::kIdcStartPage));

  // Japanese text survives the round trip through the control.
  this->Host().SetText(res::kIdcFileName, "Z:\\点字\\〜データ.BES");
  EXPECT_EQ(this->Host().GetText(res::kIdcFileName), "Z:\\点字\\〜データ.BES");
}

TYPED_TEST_P(DialogHostContract, ComboKeepsTheProgramsOrderAndReportsOnlyTheUsersChoice) {
  RecordingDialog& dlg = this->Open(res::VarnelTemplate());
  platform::DialogHost& host = this->Host();
  host.ComboReset(res::kIdcPrinter);
  for (const char* name : {"点字プリンタ 両面", "ESA721 NET", "esa721 lpt2", "TEN-100 USB"}) {
    host.ComboAdd(res::kIdcPrinter, name);
  }
  std::vector<std::string> items;
  for (int i = 0; i < host.ComboCount(res::kIdcPrinter); ++i) {
    items.push_back(host.ComboItem(res::kIdcPrinter, i));
  }
  EXPECT_EQ(items, (std::vector<std::string>{"esa721 lpt2", "ESA721 NET", "TEN-100 USB",
                                             "点字プリンタ 両面"}));

  host.ComboSelect(res::kIdcPrinter, 1);
  EXPECT_EQ(host.GetText(res::kIdcPrinter), "ESA721 NET");
  host.ComboSelect(res::kIdcPrinter, -1);
  EXPECT_EQ(host.ComboSelection(res::kIdcPrinter), -1);
  EXPECT_EQ(host.GetText(res::kIdcPrinter), "");
  EXPECT_EQ(dlg.events, "");

  // Down in the focused combo box chooses the next item, and says so once.
  host.ComboSelect(res::kIdcPrinter, 0);
  this->Focus(res::kIdcPrinter);
  EXPECT_EQ(host.GetFocus(), res::kIdcPrinter);
  this->Press(platform::kVkDown);
  EXPECT_EQ(dlg.events, Chosen(res::kIdcPrinter));
  EXPECT_EQ(host.ComboSelection(res::kIdcPrinter), 1);
}

TYPED_TEST_P(DialogHostContract, AClickedSidesRadioLeavesOnlyItselfChecked) {
  RecordingDialog& dlg = this->Open(res::VarnelTemplate());
  platform::DialogHost& host = this->Host();
  host.SetCheck(res::kIdcSingle, platform::kChecked);
  host.SetCheck(res::kIdcDouble, platform::kChecked);  // the program may check two
  this->driver_.Click(host, res::kIdcBack);
  this->driver_.Settle();
  std::vector<int> checks;
  for (int id : {res::kIdcSingle, res::kIdcFront, res::kIdcBack, res::kIdcDouble}) {
    checks.push_back(host.GetCheck(id));
  }
  EXPECT_EQ(checks, (std::vector<int>{0, 0, 1, 0}));
  EXPECT_EQ(dlg.events, Clicked(res::kIdcBack));
  // The page-break box is in a group of its own.
  host.SetCheck(res::kIdcPageBreak, platform::kChecked);
  EXPECT_EQ(host.GetCheck(res::kIdcBack), 1);
}

TYPED_TEST_P(DialogHostContract, EveryHiddenButtonsAltKeyClicksItOnceFromAnEdit) {
  RecordingDialog& dlg = this->Open(res::VarnelTemplate());
  const std::vector<std::pair<char, int>> keys = {
      {'1', res::kIdcKeyPrinter},  {'2', res::kIdcKeyPrinterName}, {'3', res::kIdcKeyFile},
      {'4', res::kIdcKeyBrowse},   {'5', res::kIdcKeyRange},       {'6', res::kIdcKeyStartPage},
      {'7', res::kIdcKeyEndPage},  {'8', res::kIdcKeyCopies},      {'9', res::kIdcKeyOptions},
      {'S', res::kIdcKeySingle},   {'O', res::kIdcKeyFront},       {'U', res::kIdcKeyBack},
      {'Z', res::kIdcKeyGraphics}, {'K', res::kIdcKeyPageBreak},   {'W', res::kIdcKeyDouble},
      {'J', res::kIdcKeyJob},      {'R', res::kIdcKeyReadPages}};
  this->Focus(res::kIdcCopies);
  for (const auto& [key, id] : keys) {
    dlg.events.clear();
    this->Press(key, /*alt=*/true);
    // Alt+4 is the Browse button's mnemonic too: the hidden button's key wins, alone.
    EXPECT_EQ(dlg.events, Clicked(id)) << "Alt+" << key;
  }
  // A disabled hidden button takes no key; a visible button's mnemonic clicks it once.
  this->Host().EnableControl(res::kIdcKeyPrinter, false);
  dlg.events.clear();
  this->Press('1', true);
  this->Press('P', true);
  EXPECT_EQ(dlg.events, Clicked(res::kIdcPrint));
}

TYPED_TEST_P(DialogHostContract, EnterAndEscAreKeyDownMessagesForTheDialogObject) {
  RecordingDialog& dlg = this->Open(res::VarnelTemplate());
  this->Focus(res::kIdcStartPage);
  dlg.keys.clear();
  this->Press(platform::kVkReturn);
  this->Press(platform::kVkEscape);
  this->Press(platform::kVkTab);
  EXPECT_EQ(dlg.keys,
            (std::vector<int>{platform::kVkReturn, platform::kVkEscape, platform::kVkTab}));
  // The base dialog's processing: Enter on no push button presses none of the template
  // (the main dialog has no default button) and asks for OK; Esc asks for Cancel.
  EXPECT_EQ(dlg.events, Clicked(platform::kIdOk) + Clicked(platform::kIdCancel));
}

TYPED_TEST_P(DialogHostContract, TheProgressWindowsCancelTakesEnterEscAndTheCloseBox) {
  RecordingDialog& dlg = this->Open(res::ProgressTemplate());
  platform::DialogHost& host = this->Host();
  EXPECT_EQ(host.GetFocus(), platform::kIdCancel);
  this->Press(platform::kVkReturn);
  this->Press(platform::kVkEscape);
  EXPECT_EQ(dlg.events, Clicked(platform::kIdCancel) + Clicked(platform::kIdCancel));
  this->driver_.CloseBox(host);
  this->driver_.Settle();
  EXPECT_EQ(dlg.commands, (std::vector<unsigned>{platform::kScClose}));

  host.ProgressSetRange(res::kIdcProgressBar, 0, 100);
  EXPECT_EQ(host.ProgressSetPos(res::kIdcProgressBar, 40), 0);
  EXPECT_EQ(host.ProgressSetPos(res::kIdcProgressBar, 70), 40);
  EXPECT_EQ(host.ProgressPos(res::kIdcProgressBar), 70);
}

TYPED_TEST_P(DialogHostContract, ThePageWindowsTextKeepsItsLinesAndThePictureTakesNoFocus) {
  this->Open(res::ReadPagesTemplate());
  platform::DialogHost& host = this->Host();
  const std::string page = "⠁⠃\n⠉⠙\n\n";  // ended by a blank line, as padded pages are
  host.SetText(res::kIdcPageText, page);
  EXPECT_EQ(host.GetText(res::kIdcPageText), page);
  host.SetPicture(res::kIdcPagePicture, {100, 150, {{10, 10, 0.75}, {12.5, 10, 0.75}}});
  std::vector<int> visited;
  this->Focus(res::kIdcPageText);
  for (int i = 0; i < 4; ++i) {
    visited.push_back(host.GetFocus());
    this->Press(platform::kVkTab);
  }
  EXPECT_EQ(visited, (std::vector<int>{res::kIdcPageText, res::kIdcGoToPage, platform::kIdCancel,
                                       res::kIdcPageText}));
}

REGISTER_TYPED_TEST_SUITE_P(DialogHostContract, TabVisitsTheTemplatesTabStopsInTemplateOrder,
                            EditsReportEachChangeOnceWhoeverMakesIt,
                            ComboKeepsTheProgramsOrderAndReportsOnlyTheUsersChoice,
                            AClickedSidesRadioLeavesOnlyItselfChecked,
                            EveryHiddenButtonsAltKeyClicksItOnceFromAnEdit,
                            EnterAndEscAreKeyDownMessagesForTheDialogObject,
                            TheProgressWindowsCancelTakesEnterEscAndTheCloseBox,
                            ThePageWindowsTextKeepsItsLinesAndThePictureTakesNoFocus);

}  // namespace test
