// wxWidgets on GTK (under Xvfb, run by test_host.sh) keeps the dialog back ends' contract,
// with the dialog templates of res/. Keys and clicks go through the X server (XTest), as a
// keyboard and a mouse send them.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cctype>
#include <string>

#include "platform/headless/scripted_services.h"
#include "platform/memory/memory_spooler.h"
#include "platform/wx/wx_accessibility.h"
#include "platform/wx/wx_assert.h"
#include "platform/wx/wx_clipboard.h"
#include "platform/wx/wx_dialog_host.h"
#include "platform/wx/wx_event_pump.h"
#include "platform/wx/wx_window_system.h"
#include "res/messages.h"
#include "support/dialog_host_contract.h"

namespace test {
namespace {

namespace pwx = platform::wx;

class WxDriver {
 public:
  platform::Platform& Services() { return platform_; }
  // Handles what is waiting, then what that brought, for a while: the X server answers
  // between the steps.
  void Settle() {
    for (int i = 0; i < 20; ++i) {
      pump_.PumpPending();
      wxMilliSleep(5);
    }
  }
  // The Alt key of a visible button clicks it once GTK has shown it pressed, about 250 ms
  // later.
  void Press(platform::DialogHost& host, int key, bool alt) {
    Activate(host);
    wxUIActionSimulator().Char(KeyCode(key), alt ? wxMOD_ALT : wxMOD_NONE);
    if (alt) clock_.Sleep(400, platform::WaitPurpose::kUserInterface);
  }
  void Type(platform::DialogHost& host, char c) { Press(host, c, false); }
  // A click near the control's left end, low in its box: the template lays the double-sided
  // radio over the upper part of the back-side one.
  void Click(platform::DialogHost& host, int id) {
    Activate(host);
    wxWindow* control = Of(host).Window().FindWindow(id);
    ASSERT_NE(control, nullptr);
    const wxRect box = control->GetScreenRect();
    wxUIActionSimulator mouse;
    mouse.MouseMove(box.GetLeft() + 6, box.GetBottom() - 2);
    Settle();
    mouse.MouseClick();
  }
  // The window manager's close request, as a click on the close box sends it.
  void CloseBox(platform::DialogHost& host) { Of(host).Window().Close(); }

 private:
  static pwx::DialogHost& Of(platform::DialogHost& host) {
    return static_cast<pwx::DialogHost&>(host);
  }
  // Without a window manager nobody gives a window the keyboard: the test does, once for
  // each window it turns to.
  void Activate(platform::DialogHost& host) {
    if (active_ == &host) return;
    active_ = &host;
    GtkWidget* window = Of(host).Window().GetHandle();
    gdk_window_focus(gtk_widget_get_window(window), GDK_CURRENT_TIME);
    Settle();
  }
  static int KeyCode(int key) {
    switch (key) {
      case platform::kVkTab:
        return WXK_TAB;
      case platform::kVkReturn:
        return WXK_RETURN;
      case platform::kVkEscape:
        return WXK_ESCAPE;
      case platform::kVkUp:
        return WXK_UP;
      case platform::kVkDown:
        return WXK_DOWN;
      default:  // a letter without Shift, or a digit
        return std::tolower(key);
    }
  }

  pwx::WindowSystem windows_;
  pwx::Clipboard clipboard_;
  pwx::MessagePump pump_;
  pwx::Clock clock_{pump_};
  platform::MemorySpooler spooler_;
  platform::ScriptedFileChooser files_;
  platform::RecordingShell shell_;
  platform::FixedEnvironment environment_{"Varnel.ini"};
  platform::DialogHost* active_ = nullptr;
  platform::Platform platform_{windows_, clipboard_, spooler_,     files_,       shell_,
                               clock_,   pump_,      environment_, res::kAppName};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Wx, DialogHostContract, WxDriver);

// An announcement is one signal of the window's accessible: ATK's `notification`, polite
// (1), where the ATK loaded has it (2.50 and later), else `announcement`.
std::string heard;
void OnAnnouncement(AtkObject*, const char* text, gpointer) {
  heard += "announcement " + std::string(text);
}
void OnNotification(AtkObject*, const char* text, int politeness, gpointer) {
  heard += "notification " + std::string(text) + " " + std::to_string(politeness);
}

TEST(WxAnnouncement, OneSignalOfTheAtkLoaded) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "Varnel");
  AtkObject* accessible = gtk_widget_get_accessible(frame->GetHandle());
  const bool notifications = g_signal_lookup("notification", ATK_TYPE_OBJECT) != 0;
  g_signal_connect(accessible, "announcement", G_CALLBACK(OnAnnouncement), nullptr);
  if (notifications)
    g_signal_connect(accessible, "notification", G_CALLBACK(OnNotification), nullptr);
  pwx::AnnounceThrough(*frame, "印刷を　終了しました");
  EXPECT_EQ(heard, notifications ? "notification 印刷を　終了しました 1"
                                 : "announcement 印刷を　終了しました");
  frame->Destroy();
}

}  // namespace
}  // namespace test

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 1;
  platform::wx::LogAssertionsInsteadOfAsking();
  int status = 0;
  {
    // The pump handles events of the loop that is active, as the program's modal loop is.
    wxEventLoop loop;
    const wxEventLoopActivator active(&loop);
    status = RUN_ALL_TESTS();
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return status;
}
