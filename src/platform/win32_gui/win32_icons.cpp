#include "platform/win32_gui/win32_icons.h"

namespace platform::win32 {

HICON LoadIconResource(HINSTANCE module, int id, IconSize size) {
  const bool large = size == IconSize::kLarge;
  const int cx = GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
  const int cy = GetSystemMetrics(large ? SM_CYICON : SM_CYSMICON);
  return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, 0));
}

}  // namespace platform::win32
