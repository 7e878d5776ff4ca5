// The structure of code page 932 bytes, the same on every system.
#include "platform/text/cp932.h"

namespace platform::cp932 {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t PrefixAtCharBoundary(std::string_view bytes, std::size_t capacity) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    if (i + width > capacity || i + width > bytes.size()) break;
    i += width;
  }
  return i;
}

}  // namespace platform::cp932
