#pragma once

#include <string_view>

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces everything on the clipboard with one plain text (UTF-8). Returns false when
  // the clipboard is busy (another program holds it open) and nothing was placed.
  virtual bool PutText(std::string_view text) = 0;
};

}  // namespace platform
