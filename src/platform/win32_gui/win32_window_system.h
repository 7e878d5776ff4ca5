// Real windows through the Windows dialog manager: each dialog object gets a dialog
// built in memory from its template. The system knows every window it made, so that
// each message read from the queue passes through the keyboard handling of the dialog
// it belongs to before it is dispatched.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "platform/dialog/window_system.h"
#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_accessibility.h"
#include "platform/win32_gui/win32_reader_thread.h"

namespace platform::win32 {

class DialogHost;

class WindowSystem : public platform::WindowSystem {
 public:
  // `instance`: the module whose resources hold the icons.
  explicit WindowSystem(HINSTANCE instance);
  ~WindowSystem() override;
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

  std::unique_ptr<platform::DialogHost> CreateHost(const DialogTemplate& tpl, Dialog& dialog,
                                                   platform::DialogHost* owner,
                                                   bool modal) override;
  platform::DialogHost* MainWindow() const override { return mainWindow_; }
  void SetMainWindow(platform::DialogHost* host) override { mainWindow_ = host; }

  HINSTANCE Instance() const { return instance_; }
  // The main window's handle, or nullptr: the owner of windows that have none.
  HWND MainHwnd() const;
  // Hands the sentence said in `window` to the screen readers that run (PC-Talker, NVDA,
  // JAWS, through their own voices, looked up when the system is made); one none of them
  // takes is raised as a UI Automation notification of `window`, a moment later.
  void Announce(HWND window, std::string_view text);
  // Before `window` closes: lets the readers take what was said in it, for a moment, and
  // raises the notifications still due while the window is there.
  void FinishSentences();

  // Hands one message read from the queue to the dialog it belongs to (accelerators,
  // Enter, Esc, Tab, mnemonics), else translates and dispatches it.
  void Route(MSG& msg);
  // Runs `work` once the message being handled now, and every message already waiting,
  // have been handled, whichever loop reads the queue then (a message box's too).
  void Defer(std::function<void()> work);

  // Runs `ready` once, the first time the main window is on screen with the keyboard
  // focus in one of its controls.
  void OnMainWindowReady(std::function<void()> ready) { ready_ = std::move(ready); }
  void MainWindowReady();

  // Used by the hosts. An Alt key of an accelerator table was taken: the release of Alt
  // that follows is not passed on, or the default processing would take Alt pressed and
  // released alone for a request of the window menu, and eat the next key.
  void AltChordTaken() { altChordTaken_ = true; }
  void Register(HWND window, DialogHost* host) { hosts_[window] = host; }
  void Unregister(HWND window) { hosts_.erase(window); }

 private:
  DialogHost* HostOf(HWND window) const;
  static LRESULT CALLBACK DeferredWorkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  platform::DialogHost* mainWindow_ = nullptr;
  std::map<HWND, DialogHost*> hosts_;
  std::deque<std::function<void()>> deferred_;
  // A message-only window: the deferred work comes as a message to it.
  HWND deferredWindow_ = nullptr;
  std::function<void()> ready_;
  void RaiseUnspoken();

  ScreenReader reader_;
  std::unique_ptr<ReaderThread> readers_;
  bool altChordTaken_ = false;
};

}  // namespace platform::win32
