// The Windows clipboard, owned by the main window.
#pragma once

#include "platform/clipboard.h"

namespace platform::win32 {

class WindowSystem;

class Clipboard : public platform::Clipboard {
 public:
  explicit Clipboard(WindowSystem& windows) : windows_(windows) {}
  // The text as CF_UNICODETEXT and, for older screen readers, as CF_TEXT in code page 932
  // (marked as Japanese by CF_LOCALE). Waits up to 0.2 s for a clipboard another program
  // holds; false when it is held longer, and nothing was placed.
  bool PutText(std::string_view text) override;

 private:
  WindowSystem& windows_;
};

}  // namespace platform::win32
