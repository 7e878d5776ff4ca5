#include "platform/wx/wx_window_system.h"

#include "platform/wx/wx_dialog_host.h"

namespace platform::wx {

std::unique_ptr<platform::DialogHost> WindowSystem::CreateHost(const DialogTemplate& tpl,
                                                               Dialog& dialog,
                                                               platform::DialogHost* owner, bool) {
  // Every host of this system is a DialogHost.
  auto* ownerHost = static_cast<DialogHost*>(owner);
  wxWindow* parent = ownerHost != nullptr ? &ownerHost->Window() : nullptr;
  return std::make_unique<DialogHost>(*this, tpl, dialog, parent);
}

wxWindow* WindowSystem::MainWxWindow() const {
  auto* main = static_cast<DialogHost*>(mainWindow_);
  return main != nullptr ? &main->Window() : nullptr;
}

void WindowSystem::MainWindowReady() {
  if (!ready_) return;
  const std::function<void()> ready = std::move(ready_);
  ready_ = nullptr;
  ready();
}

}  // namespace platform::wx
