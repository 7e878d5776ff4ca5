// The Windows dialog manager (under Wine on Xvfb) keeps the dialog back ends' contract, with
// the dialog templates of res/; then what only Windows has: the window menu, the
// clipboard's formats and the names a screen reader reads through MSAA. Keys are sent as
// input, the way a keyboard sends them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialog/dialog.h"
#include "platform/headless/scripted_services.h"
#include "platform/memory/memory_spooler.h"
#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_clipboard.h"
#include "platform/win32_gui/win32_dialog_host.h"
#include "platform/win32_gui/win32_event_pump.h"
#include "platform/win32_gui/win32_window_system.h"
// After windows.h.
#include <oleacc.h>

#include "res/messages.h"
#include "support/dialog_host_contract.h"

namespace test {
namespace {

namespace pw = platform::win32;

class Win32Driver {
 public:
  Win32Driver()
      : windows_(GetModuleHandleW(nullptr)),
        clipboard_(windows_),
        pump_(windows_),
        environment_("C:\\Varnel.ini"),
        platform_{windows_, clipboard_, spooler_,     files_,       shell_,
                  clock_,   pump_,      environment_, res::kAppName} {}

  platform::Platform& Services() { return platform_; }
  pw::Clipboard& Clipboard() { return clipboard_; }
  // Handles what is waiting, then what that brought, for a while.
  void Settle() {
    for (int i = 0; i < 20; ++i) {
      pump_.PumpPending();
      Sleep(5);
    }
  }
  // `key` (a virtual key) with Alt when `alt`, as the keyboard sends it.
  void Press(platform::DialogHost&, int key, bool alt) {
    std::vector<INPUT> input;
    auto add = [&input](WORD vk, bool up) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = vk;
      in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      input.push_back(in);
    };
    if (alt) add(VK_MENU, false);
    add(static_cast<WORD>(key), false);
    add(static_cast<WORD>(key), true);
    if (alt) add(VK_MENU, true);
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
  }
  void Type(platform::DialogHost& host, char c) { Press(host, c, false); }
  void Click(platform::DialogHost& host, int id) {
    SendMessageW(Of(host).ControlWindow(id), BM_CLICK, 0, 0);
  }
  void CloseBox(platform::DialogHost& host) {
    SendMessageW(Of(host).Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  static pw::DialogHost& Of(platform::DialogHost& host) {
    return static_cast<pw::DialogHost&>(host);
  }

 private:
  pw::WindowSystem windows_;
  pw::Clipboard clipboard_;
  platform::MemorySpooler spooler_;
  platform::ScriptedFileChooser files_;
  platform::RecordingShell shell_;
  platform::RecordingClock clock_;
  pw::MessagePump pump_;
  platform::FixedEnvironment environment_;
  platform::Platform platform_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, DialogHostContract, Win32Driver);

class Win32HostTest : public DialogHostContract<Win32Driver> {
 protected:
  pw::DialogHost& Win32Host() { return Win32Driver::Of(Host()); }
  HWND Control(int id) { return Win32Host().ControlWindow(id); }
};

TEST_F(Win32HostTest, TheWindowMenuEndsWithTheProgramsEntry) {
  RecordingDialog& dlg = Open(res::VarnelTemplate());
  ASSERT_TRUE(Host().AppendSystemMenuItem(static_cast<int>(res::kIdmAboutBox),
                                          res::LoadString(res::kIdsAboutBox)));
  HMENU menu = GetSystemMenu(Win32Host().Window(), FALSE);
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

  SendMessageW(Win32Host().Window(), WM_SYSCOMMAND, res::kIdmAboutBox, 0);
  SendMessageW(Win32Host().Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(dlg.commands, (std::vector<unsigned>{res::kIdmAboutBox, SC_CLOSE}));
}

TEST_F(Win32HostTest, TheClipboardHoldsTheSentenceInUtf16AndCodePage932) {
  Open(res::VarnelTemplate());
  ASSERT_TRUE(driver_.Clipboard().PutText("印刷を　終了しました"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardOwner(), Win32Host().Window());
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

// Another program reading the clipboard: a thread that opens it and keeps it open for
// `ms` milliseconds, or until it is destroyed.
class ClipboardHolder {
 public:
  explicit ClipboardHolder(DWORD ms) : ms_(ms) {
    thread_ = CreateThread(nullptr, 0, &Hold, this, 0, nullptr);
    WaitForSingleObject(opened_, INFINITE);
  }
  ~ClipboardHolder() {
    SetEvent(release_);
    WaitForSingleObject(thread_, INFINITE);
    for (HANDLE h : {thread_, opened_, release_}) CloseHandle(h);
  }
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;
  bool Held() const { return held_; }

 private:
  static DWORD WINAPI Hold(void* self) {
    auto* holder = static_cast<ClipboardHolder*>(self);
    holder->held_ = OpenClipboard(nullptr) != FALSE;
    SetEvent(holder->opened_);
    WaitForSingleObject(holder->release_, holder->ms_);
    if (holder->held_) CloseClipboard();
    return 0;
  }
  DWORD ms_;
  bool held_ = false;
  HANDLE opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread_ = nullptr;
};

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"(busy)";
  if (HANDLE wide = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(wide));
    GlobalUnlock(wide);
  }
  CloseClipboard();
  return text;
}

// A screen reader reads each change as it comes, so the next sentence may find the
// clipboard held for a moment: it waits. A clipboard kept open drops the sentence.
TEST_F(Win32HostTest, ASentenceWaitsForAMomentsHoldOnTheClipboardButNotForever) {
  Open(res::VarnelTemplate());
  {
    ClipboardHolder reader(20);
    ASSERT_TRUE(reader.Held());
    EXPECT_TRUE(driver_.Clipboard().PutText("印刷を　終了しました"));
  }
  EXPECT_EQ(ClipboardText(), L"印刷を　終了しました");
  {
    ClipboardHolder keeper(INFINITE);
    ASSERT_TRUE(keeper.Held());
    EXPECT_FALSE(driver_.Clipboard().PutText("Varnelを終了します"));
  }
  EXPECT_EQ(ClipboardText(), L"印刷を　終了しました");
}

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
}  // namespace test
