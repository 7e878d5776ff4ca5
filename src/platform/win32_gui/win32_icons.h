// The program's icons, from the executable's resources.
#pragma once

#include "platform/win32/windows_api.h"

namespace platform::win32 {

enum class IconSize { kLarge, kSmall };

// The icon resource at the system's size for window icons of that kind; nullptr when the
// module has no such resource. The caller destroys it.
HICON LoadIconResource(HINSTANCE module, int id, IconSize size);

}  // namespace platform::win32
