// Enter and Esc never end the main dialog.
#include "app/varnel_dlg.h"
#include "res/resource.h"

bool CVarnelDlg::PreTranslateMessage(int virtualKey) {
  if (virtualKey == platform::kVkReturn) {
    const int focused = GetFocusedId();
    if (focused == res::kIdcVersion || focused == res::kIdcClose || focused == res::kIdcPrint ||
        focused == res::kIdcBrowse) {
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
