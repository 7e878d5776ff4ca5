// Text of the windows: UTF-8 inside the program, UTF-16 at the Windows API. Captions,
// sentences and names are the program's own well-formed text; what a control holds may
// be anything the user typed, and is read back with U+FFFD for what UTF-8 cannot hold.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/utf16.h"

namespace platform::win32 {

inline std::wstring Widen(std::string_view utf8) {
  return Utf16FromUtf8(utf8).value_or(std::wstring());
}

inline std::string Narrow(std::wstring_view utf16) { return Utf8ForDisplay(utf16); }

}  // namespace platform::win32
