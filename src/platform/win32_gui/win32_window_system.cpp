#include "platform/win32_gui/win32_window_system.h"

#include <chrono>

#include "platform/win32_gui/win32_dialog_host.h"
#include "platform/win32_gui/win32_readers.h"

namespace platform::win32 {

namespace {

constexpr UINT kRunDeferred = WM_APP + 0x56;
constexpr UINT kRaiseUnspoken = WM_APP + 0x57;
// How long a closing window waits for the readers to take its last sentences.
constexpr std::chrono::milliseconds kLastSentences{1000};
constexpr wchar_t kDeferredWorkClass[] = L"VarnelDeferredWork";

// The readers' interfaces in the order they are asked: the one most of the program's users
// run first.
std::vector<std::unique_ptr<ReaderVoice>> ScreenReaderVoices() {
  std::vector<std::unique_ptr<ReaderVoice>> voices;
  voices.push_back(std::make_unique<PcTalkerVoice>());
  voices.push_back(std::make_unique<NvdaVoice>());
  voices.push_back(std::make_unique<JawsVoice>());
  return voices;
}

}  // namespace

WindowSystem::WindowSystem(HINSTANCE instance) : instance_(instance) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = &WindowSystem::DeferredWorkProc;
  cls.hInstance = instance_;
  cls.lpszClassName = kDeferredWorkClass;
  RegisterClassExW(&cls);
  deferredWindow_ = CreateWindowExW(0, kDeferredWorkClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, instance_, nullptr);
  SetWindowLongPtrW(deferredWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  readers_ = std::make_unique<ReaderThread>(&ScreenReaderVoices, [window = deferredWindow_] {
    PostMessageW(window, kRaiseUnspoken, 0, 0);
  });
}

WindowSystem::~WindowSystem() {
  readers_.reset();
  if (deferredWindow_ != nullptr) DestroyWindow(deferredWindow_);
}

LRESULT CALLBACK WindowSystem::DeferredWorkProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  auto* system = reinterpret_cast<WindowSystem*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == kRaiseUnspoken && system != nullptr) {
    system->RaiseUnspoken();
    return 0;
  }
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

std::unique_ptr<platform::DialogHost> WindowSystem::CreateHost(const DialogTemplate& tpl,
                                                               Dialog& dialog,
                                                               platform::DialogHost* owner,
                                                               bool modal) {
  // Every host of this system is a DialogHost.
  auto* ownerHost = static_cast<DialogHost*>(owner);
  HWND ownerWindow = ownerHost != nullptr ? ownerHost->Window() : nullptr;
  auto host = std::make_unique<DialogHost>(*this, tpl, dialog, ownerWindow, modal);
  if (!host->Created()) return nullptr;
  return host;
}

HWND WindowSystem::MainHwnd() const {
  auto* main = static_cast<DialogHost*>(mainWindow_);
  return main != nullptr ? main->Window() : nullptr;
}

DialogHost* WindowSystem::HostOf(HWND window) const {
  if (window == nullptr) return nullptr;
  const auto it = hosts_.find(GetAncestor(window, GA_ROOT));
  return it == hosts_.end() ? nullptr : it->second;
}

void WindowSystem::Route(MSG& msg) {
  if ((msg.message == WM_SYSKEYUP || msg.message == WM_KEYUP) && msg.wParam == VK_MENU &&
      altChordTaken_) {
    altChordTaken_ = false;
    return;
  }
  if (DialogHost* host = HostOf(msg.hwnd); host != nullptr && host->PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void WindowSystem::Defer(std::function<void()> work) {
  deferred_.push_back(std::move(work));
  PostMessageW(deferredWindow_, kRunDeferred, 0, 0);
}

void WindowSystem::Announce(HWND window, std::string_view text) { readers_->Say(window, text); }

void WindowSystem::RaiseUnspoken() {
  for (const ReaderThread::Sentence& s : readers_->TakeUnspoken())
    reader_.Announce(s.window, s.text);
}

void WindowSystem::FinishSentences() {
  readers_->WaitIdle(kLastSentences);
  RaiseUnspoken();
}

void WindowSystem::MainWindowReady() {
  if (!ready_) return;
  const std::function<void()> ready = std::move(ready_);
  ready_ = nullptr;
  ready();
}

}  // namespace platform::win32
