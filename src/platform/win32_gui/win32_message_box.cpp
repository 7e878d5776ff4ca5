#include "platform/win32_gui/win32_message_box.h"

#include "platform/dialog/dialog_host.h"
#include "platform/win32_gui/win32_gui_text.h"

namespace platform::win32 {

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned type) {
  // The dialogs' values are the system's own (MB_OK, MB_OKCANCEL, MB_ICONSTOP,
  // MB_ICONINFORMATION...).
  UINT style = static_cast<UINT>(type);
  if (owner == nullptr) style |= MB_TASKMODAL;
  const int pressed =
      MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), style | MB_SETFOREGROUND);
  return pressed == IDOK ? kMbResultOk : kMbResultCancel;
}

}  // namespace platform::win32
