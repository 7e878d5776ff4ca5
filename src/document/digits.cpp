#include "document/braille_document.h"

namespace document {

int DigitValue(std::uint8_t byte) { return (byte >= '1' && byte <= '9') ? byte - '0' : 0; }

void AppendGraphicsEntry(std::string& graphics, std::uint8_t kind, unsigned x, unsigned y) {
  const char entry[5] = {static_cast<char>(kind), static_cast<char>((x >> 8) & 0xFF),
                         static_cast<char>(x & 0xFF), static_cast<char>((y >> 8) & 0xFF),
                         static_cast<char>(y & 0xFF)};
  graphics.append(entry, 5);
}

}  // namespace document
