// Code page 932 (Japanese Shift-JIS as Windows writes it) and UTF-8: on iconv (cp932.cpp),
// on Windows through its own conversion functions (win32/cp932_win32.cpp), with the same
// results.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::cp932 {

// The code page 932 bytes of a UTF-8 text; nothing when the text holds a character that
// code page 932 has no code for, or is not valid UTF-8.
std::optional<std::string> FromUtf8(std::string_view utf8);

// The UTF-8 text of code page 932 bytes. A byte that begins no valid character becomes
// U+FFFD, so the result is always valid UTF-8.
std::string ToUtf8(std::string_view bytes);

// True when `byte` is the first byte of a two-byte character.
bool IsLeadByte(unsigned char byte);

// The longest prefix of `bytes` that is at most `capacity` bytes long and does not end
// inside a two-byte character.
std::size_t PrefixAtCharBoundary(std::string_view bytes, std::size_t capacity);

}  // namespace platform::cp932
