// Braille ASCII shown as Unicode braille (U+2800 to U+283F): the same cells as dots, which
// screen readers pass to a braille display as they stand and a sighted reader can see.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace preview {

// The stand-in for a byte that is no Braille ASCII cell (a control byte, or a byte of 0x80
// and above): the replacement character, U+FFFD.
inline constexpr char32_t kStandIn = 0xFFFD;

// The Unicode braille cell of a Braille ASCII byte. Small letters and the other bytes from
// 0x60 to 0x7F are the cells of 0x40 to 0x5F; any other byte is the stand-in.
char32_t UnicodeCell(std::uint8_t byte);

// A line of Braille ASCII as UTF-8 Unicode braille.
std::string UnicodeLine(std::string_view brailleAscii);

// The six-dot pattern (dot n is bit n - 1) of a byte, with small letters read as capitals;
// nothing for a byte that is no cell.
std::uint8_t CellDots(std::uint8_t byte);

}  // namespace preview
