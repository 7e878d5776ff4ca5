// A stand-in UIAutomationCore.dll for the window tests: Wine has no UI Automation
// notifications, so this library offers the two functions varnel.exe looks up and writes
// down each notification raised, one line a notification, in the UTF-8 file named by
// VARNEL_UIA_PROBE_LOG:
//   KIND PROCESSING ACTIVITY|SENTENCE|WINDOW_TITLE
// Loaded instead of Wine's own with WINEDLLOVERRIDES=uiautomationcore=n, from the
// program's folder.
#include <windows.h>

namespace {

// The provider the program receives and hands back: it remembers its window.
class Provider : public IUnknown {
 public:
  explicit Provider(HWND window) : window_(window) {}
  virtual ~Provider() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HWND Window() const { return window_; }

 private:
  HWND window_;
  ULONG refs_ = 1;
};

void AppendUtf8(HANDLE file, const wchar_t* text, int length) {
  if (text == nullptr || length <= 0) return;
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  char* bytes = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(n)));
  if (bytes == nullptr) return;
  WideCharToMultiByte(CP_UTF8, 0, text, length, bytes, n, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes, static_cast<DWORD>(n), &written, nullptr);
  HeapFree(GetProcessHeap(), 0, bytes);
}

void AppendAscii(HANDLE file, const char* text) {
  DWORD written = 0;
  WriteFile(file, text, static_cast<DWORD>(lstrlenA(text)), &written, nullptr);
}

}  // namespace

// The two functions the library exports, declared apart from their definitions: a definition
// with the export and the calling convention in front is too long for one line.
extern "C" {
__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND, IUnknown**);
__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(IUnknown*, int, int, BSTR, BSTR);
}

extern "C" {

HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IUnknown** provider) {
  if (provider == nullptr) return E_INVALIDARG;
  *provider = window != nullptr ? new Provider(window) : nullptr;
  return window != nullptr ? S_OK : E_INVALIDARG;
}

HRESULT WINAPI UiaRaiseNotificationEvent(IUnknown* provider, int kind, int processing, BSTR display,
                                         BSTR activity) {
  wchar_t path[MAX_PATH];
  if (GetEnvironmentVariableW(L"VARNEL_UIA_PROBE_LOG", path, MAX_PATH) == 0) return S_OK;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return E_FAIL;
  char head[32];
  wsprintfA(head, "%d %d ", kind, processing);
  AppendAscii(file, head);
  AppendUtf8(file, activity, static_cast<int>(SysStringLen(activity)));
  AppendAscii(file, "|");
  AppendUtf8(file, display, static_cast<int>(SysStringLen(display)));
  AppendAscii(file, "|");
  wchar_t title[256] = L"";
  if (provider != nullptr) {
    GetWindowTextW(static_cast<Provider*>(provider)->Window(), title, 256);
  }
  AppendUtf8(file, title, lstrlenW(title));
  AppendAscii(file, "\n");
  CloseHandle(file);
  return S_OK;
}

}  // extern "C"
