#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// The longest prefix of `text` of at most `maxBytes` bytes that does not end inside a
// UTF-8 character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace platform
