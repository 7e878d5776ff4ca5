#include "platform/win32_gui/win32_shell.h"

#include <string>

#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_window_system.h"

namespace platform::win32 {

void Shell::OpenInBrowser(std::string_view address) {
  windows_.Defer([url = Widen(address)] {
    ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  });
}

}  // namespace platform::win32
