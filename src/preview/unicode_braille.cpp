#include "preview/unicode_braille.h"

#include "document/braille_document.h"

namespace preview {

namespace {

bool IsCell(std::uint8_t byte) { return byte >= 0x20 && byte <= 0x7F; }

}  // namespace

std::uint8_t CellDots(std::uint8_t byte) {
  if (!IsCell(byte)) return 0;
  return document::BrailleAsciiPattern(byte >= 0x60 ? static_cast<std::uint8_t>(byte - 0x20)
                                                    : byte);
}

char32_t UnicodeCell(std::uint8_t byte) {
  return IsCell(byte) ? 0x2800 + CellDots(byte) : kStandIn;
}

std::string UnicodeLine(std::string_view brailleAscii) {
  std::string out;
  out.reserve(brailleAscii.size() * 3);
  for (char c : brailleAscii) {
    // Every character here takes three bytes in UTF-8.
    const char32_t cp = UnicodeCell(static_cast<std::uint8_t>(c));
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

}  // namespace preview
