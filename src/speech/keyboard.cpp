// Enter and Esc never end the main dialog.
#include "app/varnel_dlg.h"

bool CVarnelDlg::PreTranslateMessage(int virtualKey) {
  if (virtualKey == platform::kVkReturn) {
    const int focused = GetFocusedId();
    if (focused == 1003 || focused == 1026 || focused == 1020 || focused == 1002) {
      return platform::Dialog::PreTranslateMessage(virtualKey);
    }
    return false;
  }
  if (virtualKey == platform::kVkEscape) {
    m_btnBrowse.SetFocus();
    return false;
  }
  return platform::Dialog::PreTranslateMessage(virtualKey);
}
