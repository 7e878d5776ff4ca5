// Screen readers on Windows: names for controls that have no caption of their own, and
// sentences raised as UI Automation notifications.
#pragma once

#include <string_view>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Gives the control the name a screen reader reads it by, through the accessibility
// layer's property annotations (read over MSAA and UI Automation alike). Needs COM on
// the thread. False where the system offers no annotations.
bool SetAccessibleName(HWND control, std::string_view name);
// Marks the control as one screen readers pass by (invisible to the accessibility layer,
// which UI Automation reads as off screen): a drawing for sighted readers, whose content
// the window gives in words elsewhere. Needs COM on the thread.
bool HideFromScreenReader(HWND control);
// Forgets the names and states given to the control; before it is destroyed.
void ClearAnnotations(HWND control);

// UI Automation notifications (Windows 10 1709 and later): looked up in
// UIAutomationCore.dll when the program starts, since older systems lack them and the
// import libraries do not declare them. Without them the clipboard alone carries the
// sentences.
class ScreenReader {
 public:
  ScreenReader();
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  bool Available() const { return raise_ != nullptr; }
  // Raises the sentence as a notification of `window`; false when it could not be.
  bool Announce(HWND window, std::string_view text);

 private:
  using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
  using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

  HMODULE library_ = nullptr;
  HostProviderFromHwnd hostProvider_ = nullptr;
  RaiseNotificationEvent raise_ = nullptr;
};

}  // namespace platform::win32
