// The Windows clipboard, owned by the main window.
#pragma once

#include "platform/clipboard.h"

namespace platform::win32 {

class Win32WindowSystem;

class Win32Clipboard : public Clipboard {
 public:
  explicit Win32Clipboard(Win32WindowSystem& windows) : windows_(windows) {}
  // The text as CF_UNICODETEXT and, for older screen readers, as CF_TEXT in code page 932
  // (marked as Japanese by CF_LOCALE). False when another program holds the clipboard.
  bool PutText(std::string_view text) override;

 private:
  Win32WindowSystem& windows_;
};

}  // namespace platform::win32
