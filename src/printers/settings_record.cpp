#include "printers/settings_record.h"

#include <algorithm>

#include "platform/text/cp932.h"

namespace printers {

std::string ReadTextSlotBytes(const SettingsRecord& record, Slot slot) {
  std::string bytes;
  for (std::size_t i = slot.offset; i < slot.offset + slot.width; ++i) {
    const std::uint8_t b = record[i];
    if (b == 0x0D) break;
    if (b != 0x00) bytes += static_cast<char>(b);
  }
  return bytes;
}

std::string ReadTextSlot(const SettingsRecord& record, Slot slot) {
  return platform::cp932::ToUtf8(ReadTextSlotBytes(record, slot));
}

void WriteTextSlot(SettingsRecord& record, Slot slot, std::string_view utf8) {
  const std::string bytes = platform::cp932::FromUtf8(utf8).value_or(std::string());
  const std::size_t length = platform::cp932::PrefixAtCharBoundary(bytes, slot.width - 2);
  std::copy_n(bytes.begin(), length, record.begin() + static_cast<std::ptrdiff_t>(slot.offset));
  record[slot.offset + length] = 0x0D;
  record[slot.offset + length + 1] = 0x0A;
}

}  // namespace printers
