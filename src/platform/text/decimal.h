// Decimal text and signed 32-bit numbers.
#pragma once

#include <optional>
#include <string_view>

namespace platform {

// True when every byte of `text` is a half-width digit 0-9 (the empty text included).
bool IsAllDigits(std::string_view text);

// The value of a text of half-width digits; the empty text gives 0. Values beyond the
// 32-bit range saturate at 2147483647.
int DigitsToInt(std::string_view digits);

// An optionally signed decimal integer, blanks around it allowed; values beyond the
// 32-bit range saturate. Nothing when the text is not such a number.
std::optional<int> ParseInteger(std::string_view text);

}  // namespace platform
