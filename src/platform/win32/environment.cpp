// The folders of the settings file on Windows. An installed program cannot write in
// Program Files, so its settings go to the user's roaming application data.
#include "platform/environment.h"

#include "platform/win32/utf16.h"
// After windows.h.
#include <shlobj.h>

namespace platform {

std::string UserSettingsFolder() {
  std::string appData = ".";
  if (const wchar_t* env = _wgetenv(L"APPDATA"); env != nullptr && env[0] != L'\0') {
    appData = win32::Utf8FromUtf16(env).value_or(".");
  } else {
    PWSTR known = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known))) {
      appData = win32::Utf8FromUtf16(known).value_or(".");
    }
    CoTaskMemFree(known);
  }
  return appData + "\\Varnel";
}

std::string ExecutableDir() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return ".";
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return ".";
  return win32::Utf8FromUtf16(std::wstring_view(path).substr(0, slash)).value_or(".");
}

}  // namespace platform
