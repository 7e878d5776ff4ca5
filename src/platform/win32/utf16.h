// UTF-8 inside Varnel, UTF-16 at the Windows API: strict conversions for names and paths
// that must come back unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::win32 {

// The UTF-16 text of well-formed UTF-8; nothing for any other bytes (a path or a name
// that would reach the system altered must not reach it at all).
std::optional<std::wstring> Utf16FromUtf8(std::string_view utf8);

// The UTF-8 text of well-formed UTF-16; nothing when it holds an unpaired surrogate.
std::optional<std::string> Utf8FromUtf16(std::wstring_view utf16);

// As Utf8FromUtf16, with U+FFFD for each unpaired surrogate: for text that is only shown.
std::string Utf8ForDisplay(std::wstring_view utf16);

// The system's description of an error code (GetLastError), in one line of UTF-8.
std::string SystemMessage(unsigned long error);

// A program's arguments as UTF-8, from the UTF-16 ones Windows gives. An argument with an
// unpaired surrogate (no file or printer can be named so) keeps U+FFFD in its place.
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv);

}  // namespace platform::win32
