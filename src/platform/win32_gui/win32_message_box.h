// Message boxes.
#pragma once

#include <string_view>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// MessageBoxW with the dialogs' type values (buttons and icon) and their results. With
// no owner the box is task-modal: every window of the program waits for it.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned type);

}  // namespace platform::win32
