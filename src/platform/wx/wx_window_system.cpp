#include "platform/wx/wx_window_system.h"

#include "platform/wx/wx_dialog_host.h"

namespace platform::wx {

std::unique_ptr<DialogHost> WxWindowSystem::CreateHost(const DialogTemplate& tpl, Dialog& dialog,
                                                       DialogHost* owner, bool) {
  // Every host of this system is a WxDialogHost.
  auto* ownerHost = static_cast<WxDialogHost*>(owner);
  wxWindow* parent = ownerHost != nullptr ? &ownerHost->Window() : nullptr;
  return std::make_unique<WxDialogHost>(*this, tpl, dialog, parent);
}

wxWindow* WxWindowSystem::MainWxWindow() const {
  auto* main = static_cast<WxDialogHost*>(mainWindow_);
  return main != nullptr ? &main->Window() : nullptr;
}

void WxWindowSystem::MainWindowReady() {
  if (!ready_) return;
  const std::function<void()> ready = std::move(ready_);
  ready_ = nullptr;
  ready();
}

}  // namespace platform::wx
