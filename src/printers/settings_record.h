// The 1024-byte settings record: fixed slots of code page 932 text, a page-break byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace printers {

inline constexpr std::size_t kRecordSize = 1024;
using SettingsRecord = std::array<std::uint8_t, kRecordSize>;

struct Slot {
  std::size_t offset;
  std::size_t width;
};

inline constexpr Slot kSlotReservedA = {0, 256};
inline constexpr Slot kSlotReservedB = {256, 256};
inline constexpr Slot kSlotPrinterName = {512, 240};
inline constexpr Slot kSlotModel = {752, 15};
inline constexpr std::size_t kPageBreakOffset = 767;
inline constexpr Slot kSlotPort = {768, 256};

// The code page 932 bytes of a slot's text: up to the first CR or the slot's end, NUL
// bytes skipped.
std::string ReadTextSlotBytes(const SettingsRecord& record, Slot slot);

// The text of a slot (as ReadTextSlotBytes), as UTF-8.
std::string ReadTextSlot(const SettingsRecord& record, Slot slot);

// Writes a UTF-8 text at the start of a slot as code page 932, then CR LF; the slot must
// be zero before. A text longer than the slot's capacity (its width less the CR LF) is cut
// at a character boundary; a text that code page 932 cannot hold is left out, so the slot
// holds CR LF alone.
void WriteTextSlot(SettingsRecord& record, Slot slot, std::string_view utf8);

}  // namespace printers
