// Real windows through wxWidgets: each dialog object gets a wxDialog built from its
// template.
#pragma once

#include <functional>

#include "platform/dialog/window_system.h"

class wxWindow;

namespace platform::wx {

class DialogHost;

class WindowSystem : public platform::WindowSystem {
 public:
  std::unique_ptr<platform::DialogHost> CreateHost(const DialogTemplate& tpl, Dialog& dialog,
                                                   platform::DialogHost* owner,
                                                   bool modal) override;
  platform::DialogHost* MainWindow() const override { return mainWindow_; }
  void SetMainWindow(platform::DialogHost* host) override { mainWindow_ = host; }

  // The wx window of the main window, or nullptr: the owner of windows that have none.
  wxWindow* MainWxWindow() const;

  // Runs `ready` once, the first time the main window is on screen with the keyboard
  // focus in one of its controls.
  void OnMainWindowReady(std::function<void()> ready) { ready_ = std::move(ready); }
  // Used by the hosts: the main window has just become ready.
  void MainWindowReady();

 private:
  platform::DialogHost* mainWindow_ = nullptr;
  std::function<void()> ready_;
};

}  // namespace platform::wx
