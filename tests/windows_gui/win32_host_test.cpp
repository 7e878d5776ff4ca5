// The window back end's dialogs as the Windows dialog manager runs them (under Wine on
// Xvfb): the tab order and radio groups the built template gives, the notifications the
// dialog objects receive, the Alt keys of the hidden buttons, the progress window's keys,
// the clipboard's formats. Keys are sent as input, the way a keyboard sends them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/dialog/dialog.h"
#include "platform/headless/scripted_services.h"
#include "platform/memory/memory_spooler.h"
#include "platform/win32_gui/win32_clipboard.h"
#include "platform/win32_gui/win32_dialog_host.h"
#include "platform/win32_gui/win32_event_pump.h"
#include "platform/win32_gui/win32_gui_windows.h"
#include "platform/win32_gui/win32_window_system.h"
// After windows.h.
#include <oleacc.h>

#include "res/messages.h"
#include "res/resource.h"
#include "res/templates.h"

namespace {

using platform::Notification;
namespace pw = platform::win32;

struct Event {
  int id;
  Notification code;
  bool operator==(const Event& other) const { return id == other.id && code == other.code; }
};

std::ostream& operator<<(std::ostream& out, const Event& e) {
  return out << "{" << e.id << ", " << static_cast<int>(e.code) << "}";
}

// A dialog object that writes down what its window reports and does nothing else.
class RecordingDialog : public platform::Dialog {
 public:
  using platform::Dialog::Dialog;
  void OnCommand(int id, Notification code) override { events.push_back({id, code}); }
  bool PreTranslateMessage(int virtualKey) override {
    keys.push_back(virtualKey);
    return platform::Dialog::PreTranslateMessage(virtualKey);
  }
  void OnSysCommand(unsigned command, long) override { commands.push_back(command & 0xFFF0u); }

  std::vector<Event> events;
  std::vector<int> keys;
  std::vector<unsigned> commands;
};

class Win32HostTest : public testing::Test {
 protected:
  Win32HostTest()
      : windows_(GetModuleHandleW(nullptr)),
        clipboard_(windows_),
        pump_(windows_),
        environment_("C:\\Varnel.ini"),
        platform_{windows_, clipboard_, spooler_,     files_,       shell_,
                  clock_,   pump_,      environment_, res::kAppName} {}

  // Shows a window of the template, modeless, with the keyboard.
  RecordingDialog& Open(const platform::DialogTemplate& tpl) {
    dialog_ = std::make_unique<RecordingDialog>(tpl, platform_);
    dialog_->SetMainWindowRole();
    EXPECT_TRUE(dialog_->CreateModeless(nullptr));
    Settle();
    dialog_->events.clear();
    return *dialog_;
  }
  pw::DialogHost& Host() { return *static_cast<pw::DialogHost*>(dialog_->Host()); }
  HWND Control(int id) { return Host().ControlWindow(id); }

  // Handles what is waiting, then what that brought, for a while.
  void Settle() {
    for (int i = 0; i < 20; ++i) {
      pump_.PumpPending();
      Sleep(5);
    }
  }

  // Presses `key` (a virtual key) with Alt when `alt`, as the keyboard does.
  void Press(WORD key, bool alt = false) {
    std::vector<INPUT> input;
    auto add = [&input](WORD vk, bool up) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = vk;
      in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      input.push_back(in);
    };
    if (alt) add(VK_MENU, false);
    add(key, false);
    add(key, true);
    if (alt) add(VK_MENU, true);
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    Settle();
  }

  pw::WindowSystem windows_;
  pw::Clipboard clipboard_;
  platform::MemorySpooler spooler_;
  platform::ScriptedFileChooser files_;
  platform::RecordingShell shell_;
  platform::RecordingClock clock_;
  pw::MessagePump pump_;
  platform::FixedEnvironment environment_;
  platform::Platform platform_;
  std::unique_ptr<RecordingDialog> dialog_;
};

TEST_F(Win32HostTest, TabVisitsTheTemplatesTabStopsInTemplateOrder) {
  Open(res::VarnelTemplate());
  const std::vector<int> expected = {res::kIdcBrowse,  res::kIdcFileName, res::kIdcStartPage,
                                     res::kIdcEndPage, res::kIdcCopies,   res::kIdcPageBreak,
                                     res::kIdcPrint,   res::kIdcVersion,  res::kIdcClose,
                                     res::kIdcPrinter, res::kIdcPort,     res::kIdcBrowse};
  std::vector<int> visited;
  Host().SetFocus(res::kIdcBrowse);
  Settle();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    visited.push_back(Host().GetFocus());
    Press(VK_TAB);
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(Win32HostTest, EditsReportEachChangeOnceWhoeverMakesIt) {
  RecordingDialog& dlg = Open(res::VarnelTemplate());
  Host().SetText(res::kIdcStartPage, "12");
  EXPECT_EQ(dlg.events, (std::vector<Event>{{res::kIdcStartPage, Notification::kChanged}}));
  EXPECT_EQ(Host().GetText(res::kIdcStartPage), "12");

  // Typed: the digit goes in, a letter is refused by the digits-only edit.
  dlg.events.clear();
  Host().SetFocus(res::kIdcStartPage);
  SendMessageW(Control(res::kIdcStartPage), EM_SETSEL, 2, 2);
  Press('3');
  Press('A');
  EXPECT_EQ(Host().GetText(res::kIdcStartPage), "123");
  EXPECT_EQ(dlg.events, (std::vector<Event>{{res::kIdcStartPage, Notification::kChanged}}));

  // Japanese text survives the round trip through the control.
  Host().SetText(res::kIdcFileName, "Z:\\点字\\〜データ.BES");
  EXPECT_EQ(Host().GetText(res::kIdcFileName), "Z:\\点字\\〜データ.BES");
}

TEST_F(Win32HostTest, ComboKeepsTheProgramsOrderAndReportsOnlyTheUsersChoice) {
  RecordingDialog& dlg = Open(res::VarnelTemplate());
  EXPECT_EQ(Host().ComboCount(res::kIdcPrinter), 1);  // the template's empty item
  Host().ComboReset(res::kIdcPrinter);
  for (const char* name : {"点字プリンタ 両面", "ESA721 NET", "esa721 lpt2", "TEN-100 USB"}) {
    Host().ComboAdd(res::kIdcPrinter, name);
  }
  std::vector<std::string> items;
  for (int i = 0; i < Host().ComboCount(res::kIdcPrinter); ++i) {
    items.push_back(Host().ComboItem(res::kIdcPrinter, i));
  }
  EXPECT_EQ(items, (std::vector<std::string>{"esa721 lpt2", "ESA721 NET", "TEN-100 USB",
                                             "点字プリンタ 両面"}));

  Host().ComboSelect(res::kIdcPrinter, 1);
  EXPECT_EQ(Host().GetText(res::kIdcPrinter), "ESA721 NET");
  Host().ComboSelect(res::kIdcPrinter, -1);
  EXPECT_EQ(Host().ComboSelection(res::kIdcPrinter), -1);
  EXPECT_EQ(Host().GetText(res::kIdcPrinter), "");
  EXPECT_TRUE(dlg.events.empty());

  // Down in the focused combo box chooses the next item, and says so once.
  Host().ComboSelect(res::kIdcPrinter, 0);
  Host().SetFocus(res::kIdcPrinter);
  Settle();
  EXPECT_EQ(Host().GetFocus(), res::kIdcPrinter);
  Press(VK_DOWN);
  EXPECT_EQ(dlg.events, (std::vector<Event>{{res::kIdcPrinter, Notification::kSelChange}}));
  EXPECT_EQ(Host().ComboSelection(res::kIdcPrinter), 1);
}

TEST_F(Win32HostTest, AClickedSidesRadioLeavesOnlyItselfChecked) {
  RecordingDialog& dlg = Open(res::VarnelTemplate());
  Host().SetCheck(res::kIdcSingle, platform::kChecked);
  Host().SetCheck(res::kIdcDouble, platform::kChecked);  // the program may check two
  SendMessageW(Control(res::kIdcBack), BM_CLICK, 0, 0);
  Settle();
  std::vector<int> checks;
  for (int id : {res::kIdcSingle, res::kIdcFront, res::kIdcBack, res::kIdcDouble}) {
    checks.push_back(Host().GetCheck(id));
  }
  EXPECT_EQ(checks, (std::vector<int>{0, 0, 1, 0}));
  EXPECT_EQ(dlg.events, (std::vector<Event>{{res::kIdcBack, Notification::kClicked}}));
  // The page-break box is in a group of its own.
  Host().SetCheck(res::kIdcPageBreak, platform::kChecked);
  EXPECT_EQ(Host().GetCheck(res::kIdcBack), 1);
}

TEST_F(Win32HostTest, EveryHiddenButtonsAltKeyClicksItOnceFromAnEdit) {
  RecordingDialog& dlg = Open(res::VarnelTemplate());
  const std::vector<std::pair<char, int>> keys = {
      {'1', res::kIdcKeyPrinter},  {'2', res::kIdcKeyPrinterName}, {'3', res::kIdcKeyFile},
      {'4', res::kIdcKeyBrowse},   {'5', res::kIdcKeyRange},       {'6', res::kIdcKeyStartPage},
      {'7', res::kIdcKeyEndPage},  {'8', res::kIdcKeyCopies},      {'9', res::kIdcKeyOptions},
      {'S', res::kIdcKeySingle},   {'O', res::kIdcKeyFront},       {'U', res::kIdcKeyBack},
      {'Z', res::kIdcKeyGraphics}, {'K', res::kIdcKeyPageBreak},   {'W', res::kIdcKeyDouble}};
  Host().SetFocus(res::kIdcCopies);
  Settle();
  for (const auto& [key, id] : keys) {
    dlg.events.clear();
    Press(static_cast<WORD>(key), /*alt=*/true);
    // Alt+4 is the Browse button's mnemonic too: the hidden button's key wins, alone.
    EXPECT_EQ(dlg.events, (std::vector<Event>{{id, Notification::kClicked}})) << "Alt+" << key;
  }
  // A disabled hidden button takes no key; a visible button's mnemonic clicks it once.
  Host().EnableControl(res::kIdcKeyPrinter, false);
  dlg.events.clear();
  Press('1', true);
  Press('P', true);
  EXPECT_EQ(dlg.events, (std::vector<Event>{{res::kIdcPrint, Notification::kClicked}}));
}

TEST_F(Win32HostTest, EnterAndEscAreKeyDownMessagesForTheDialogObject) {
  RecordingDialog& dlg = Open(res::VarnelTemplate());
  Host().SetFocus(res::kIdcStartPage);
  Settle();
  dlg.keys.clear();
  Press(VK_RETURN);
  Press(VK_ESCAPE);
  Press(VK_TAB);
  EXPECT_EQ(dlg.keys,
            (std::vector<int>{platform::kVkReturn, platform::kVkEscape, platform::kVkTab}));
  // The base dialog's processing: Enter on no push button presses none of the template
  // (the main dialog has no default button) and asks for OK; Esc asks for Cancel.
  EXPECT_EQ(dlg.events, (std::vector<Event>{{platform::kIdOk, Notification::kClicked},
                                            {platform::kIdCancel, Notification::kClicked}}));
}

TEST_F(Win32HostTest, TheProgressWindowsCancelTakesEnterEscAndTheCloseBox) {
  RecordingDialog& dlg = Open(res::ProgressTemplate());
  EXPECT_EQ(Host().GetFocus(), platform::kIdCancel);
  Press(VK_RETURN);
  Press(VK_ESCAPE);
  EXPECT_EQ(dlg.events, (std::vector<Event>{{platform::kIdCancel, Notification::kClicked},
                                            {platform::kIdCancel, Notification::kClicked}}));
  SendMessageW(Host().Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(dlg.commands, (std::vector<unsigned>{SC_CLOSE}));
  EXPECT_TRUE(IsWindowVisible(Host().Window()));

  Host().ProgressSetRange(res::kIdcProgressBar, 0, 100);
  EXPECT_EQ(Host().ProgressSetPos(res::kIdcProgressBar, 40), 0);
  EXPECT_EQ(Host().ProgressSetPos(res::kIdcProgressBar, 70), 40);
  EXPECT_EQ(Host().ProgressPos(res::kIdcProgressBar), 70);
}

TEST_F(Win32HostTest, TheWindowMenuEndsWithTheProgramsEntry) {
  RecordingDialog& dlg = Open(res::VarnelTemplate());
  ASSERT_TRUE(Host().AppendSystemMenuItem(static_cast<int>(res::kIdmAboutBox),
                                          res::LoadString(res::kIdsAboutBox)));
  HMENU menu = GetSystemMenu(Host().Window(), FALSE);
  const int count = GetMenuItemCount(menu);
  ASSERT_GE(count, 2);
  EXPECT_EQ(GetMenuItemID(menu, count - 1), res::kIdmAboutBox);
  wchar_t text[64] = L"";
  GetMenuStringW(menu, static_cast<UINT>(count - 1), text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Varnel のﾊﾞｰｼﾞｮﾝ情報(&A)...");
  MENUITEMINFOW separator{};
  separator.cbSize = sizeof(separator);
  separator.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu, static_cast<UINT>(count - 2), TRUE, &separator);
  EXPECT_NE(separator.fType & MFT_SEPARATOR, 0u);

  SendMessageW(Host().Window(), WM_SYSCOMMAND, res::kIdmAboutBox, 0);
  SendMessageW(Host().Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(dlg.commands, (std::vector<unsigned>{res::kIdmAboutBox, SC_CLOSE}));
}

TEST_F(Win32HostTest, TheClipboardHoldsTheSentenceInUtf16AndCodePage932) {
  Open(res::VarnelTemplate());
  ASSERT_TRUE(clipboard_.PutText("印刷を　終了しました"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardOwner(), Host().Window());
  HANDLE wide = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(wide, nullptr);
  EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(wide)), L"印刷を　終了しました");
  GlobalUnlock(wide);
  HANDLE bytes = GetClipboardData(CF_TEXT);
  ASSERT_NE(bytes, nullptr);
  const std::string expected =
      "\x88\xf3\x8d\xfc\x82\xf0\x81\x40\x8f\x49\x97\xb9\x82\xb5\x82\xdc"
      "\x82\xb5\x82\xbd";
  EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(bytes))), expected);
  GlobalUnlock(bytes);
  CloseClipboard();
}

}  // namespace

namespace {

// The name a screen reader reads for the control, through MSAA.
std::wstring AccessibleName(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return L"(no object)";
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring result = SUCCEEDED(object->get_accName(self, &name)) && name ? name : L"";
  SysFreeString(name);
  object->Release();
  return result;
}

// Wine's accessibility layer reads no annotations and names a combo box by its text
// alone: what it shows is the label before each edit, which Windows reads as well where
// a control has no annotation. Buttons are named by their captions.
TEST_F(Win32HostTest, EditsAreNamedByTheLabelsASightedUserReadsThemBy) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Open(res::VarnelTemplate());
  std::vector<std::wstring> names;
  for (int id : {res::kIdcFileName, res::kIdcCharsPerLine, res::kIdcLinesPerPage,
                 res::kIdcPageCount, res::kIdcGraphicsInfo, res::kIdcStartPage, res::kIdcEndPage,
                 res::kIdcCopies, res::kIdcPort, res::kIdcPrint}) {
    names.push_back(AccessibleName(Control(id)));
  }
  EXPECT_EQ(names, (std::vector<std::wstring>{L"ファイル", L"字／行", L"行／頁", L"頁", L"図形",
                                              L"開始", L"終了", L"部数", L"接続場所", L"印刷(P)"}));
  CoUninitialize();
}

}  // namespace
