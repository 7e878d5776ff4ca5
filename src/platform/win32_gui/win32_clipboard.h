// The Windows clipboard, owned by the main window.
#pragma once

#include "platform/clipboard.h"

namespace platform::win32 {

class WindowSystem;

class Clipboard : public platform::Clipboard {
 public:
  explicit Clipboard(WindowSystem& windows) : windows_(windows) {}
  // The text as CF_UNICODETEXT and, for older screen readers, as CF_TEXT in code page 932
  // (marked as Japanese by CF_LOCALE). False when another program holds the clipboard.
  bool PutText(std::string_view text) override;

 private:
  WindowSystem& windows_;
};

}  // namespace platform::win32
