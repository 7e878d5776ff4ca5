#include "platform/win32/win32_window_system.h"

#include "platform/win32/win32_dialog_host.h"

namespace platform::win32 {

namespace {

constexpr UINT kRunDeferred = WM_APP + 0x56;
constexpr wchar_t kDeferredWorkClass[] = L"VarnelDeferredWork";

}  // namespace

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance) : instance_(instance) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = &Win32WindowSystem::DeferredWorkProc;
  cls.hInstance = instance_;
  cls.lpszClassName = kDeferredWorkClass;
  RegisterClassExW(&cls);
  deferredWindow_ = CreateWindowExW(0, kDeferredWorkClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, instance_, nullptr);
  SetWindowLongPtrW(deferredWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32WindowSystem::~Win32WindowSystem() {
  if (deferredWindow_ != nullptr) DestroyWindow(deferredWindow_);
}

LRESULT CALLBACK Win32WindowSystem::DeferredWorkProc(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
  auto* system = reinterpret_cast<Win32WindowSystem*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message != kRunDeferred || system == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  while (!system->deferred_.empty()) {
    const std::function<void()> work = std::move(system->deferred_.front());
    system->deferred_.pop_front();
    work();
  }
  return 0;
}

std::unique_ptr<DialogHost> Win32WindowSystem::CreateHost(const DialogTemplate& tpl, Dialog& dialog,
                                                          DialogHost* owner, bool modal) {
  // Every host of this system is a Win32DialogHost.
  auto* ownerHost = static_cast<Win32DialogHost*>(owner);
  HWND ownerWindow = ownerHost != nullptr ? ownerHost->Window() : nullptr;
  auto host = std::make_unique<Win32DialogHost>(*this, tpl, dialog, ownerWindow, modal);
  if (!host->Created()) return nullptr;
  return host;
}

HWND Win32WindowSystem::MainHwnd() const {
  auto* main = static_cast<Win32DialogHost*>(mainWindow_);
  return main != nullptr ? main->Window() : nullptr;
}

Win32DialogHost* Win32WindowSystem::HostOf(HWND window) const {
  if (window == nullptr) return nullptr;
  const auto it = hosts_.find(GetAncestor(window, GA_ROOT));
  return it == hosts_.end() ? nullptr : it->second;
}

void Win32WindowSystem::Route(MSG& msg) {
  if ((msg.message == WM_SYSKEYUP || msg.message == WM_KEYUP) && msg.wParam == VK_MENU &&
      altChordTaken_) {
    altChordTaken_ = false;
    return;
  }
  if (Win32DialogHost* host = HostOf(msg.hwnd); host != nullptr && host->PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32WindowSystem::Defer(std::function<void()> work) {
  deferred_.push_back(std::move(work));
  PostMessageW(deferredWindow_, kRunDeferred, 0, 0);
}

void Win32WindowSystem::MainWindowReady() {
  if (!ready_) return;
  const std::function<void()> ready = std::move(ready_);
  ready_ = nullptr;
  ready();
}

}  // namespace platform::win32
