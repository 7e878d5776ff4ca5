// The Windows API for the window back end (platform/win32_gui/). windows.h turns many names into
// macros for their A/W variants (MessageBox, SetWindowText, IsDialogMessage, LoadString...), and
// the dialog framework has member functions of those names: this header includes the
// API and removes the macros, so that the W functions are called by their own names.
#pragma once

#include <windows.h>
// After windows.h, which they extend.
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#undef GetDlgItemText
#undef GetWindowText
#undef IsDialogMessage
#undef LoadString
#undef MessageBox
#undef SetDlgItemText
#undef SetWindowText
