#include "platform/win32_gui/win32_file_chooser.h"

#include <vector>

#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_window_system.h"

namespace platform::win32 {

namespace {

// Long paths fit; the dialog reports a longer one as an error of its own.
constexpr DWORD kPathCapacity = 32768;

}  // namespace

std::wstring FilterForDialog(std::string_view filter) {
  std::wstring wide = Widen(filter);
  for (wchar_t& c : wide) {
    if (c == L'|') c = L'\0';
  }
  // A filter given without its closing bars still ends with two NULs.
  wide.push_back(L'\0');
  wide.push_back(L'\0');
  return wide;
}

std::optional<std::string> FileChooser::ChooseFileToOpen(std::string_view title,
                                                         std::string_view filter) {
  const std::wstring filterText = FilterForDialog(filter);
  const std::wstring titleText = Widen(title);
  std::vector<wchar_t> path(kPathCapacity, L'\0');

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = windows_.MainHwnd();
  ofn.lpstrFilter = filterText.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = kPathCapacity;
  ofn.lpstrTitle = titleText.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST | OFN_EXPLORER;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  return Narrow(path.data());
}

}  // namespace platform::win32
