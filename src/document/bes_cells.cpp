// Win-BES cell codes: 0xA0 + p holds the six-dot pattern p (dot n is bit n - 1), which
// becomes the character Braille ASCII assigns to that pattern.
#include <array>

#include "document/braille_document.h"

namespace document {

namespace {

// Braille ASCII: the dots of each character from 0x20 to 0x5F.
constexpr const char* kBrailleAsciiDots[64] = {
    "",      "2346",  "5",    "3456", "1246", "146",    "12346", "3",     // space ! " # $ % & '
    "12356", "23456", "16",   "346",  "6",    "36",     "46",    "34",    // ( ) * + , - . /
    "356",   "2",     "23",   "25",   "256",  "26",     "235",   "2356",  // 0 1 2 3 4 5 6 7
    "236",   "35",    "156",  "56",   "126",  "123456", "345",   "1456",  // 8 9 : ; < = > ?
    "4",     "1",     "12",   "14",   "145",  "15",     "124",   "1245",  // @ A B C D E F G
    "125",   "24",    "245",  "13",   "123",  "134",    "1345",  "135",   // H I J K L M N O
    "1234",  "12345", "1235", "234",  "2345", "136",    "1236",  "2456",  // P Q R S T U V W
    "1346",  "13456", "1356", "246",  "1256", "12456",  "45",    "456",   // X Y Z [ \ ] ^ _
};

constexpr unsigned PatternOf(const char* dots) {
  unsigned p = 0;
  for (; *dots != '\0'; ++dots) p |= 1u << (*dots - '1');
  return p;
}

constexpr std::array<std::uint8_t, 64> MakeCellTable() {
  std::array<std::uint8_t, 64> table{};
  for (unsigned c = 0; c < 64; ++c)
    table[PatternOf(kBrailleAsciiDots[c])] = static_cast<std::uint8_t>(0x20 + c);
  return table;
}

constexpr std::array<std::uint8_t, 64> kCellToAscii = MakeCellTable();

// Every pattern has exactly one character.
constexpr bool IsPermutation() {
  std::array<bool, 64> seen{};
  for (unsigned c = 0; c < 64; ++c) {
    const unsigned p = PatternOf(kBrailleAsciiDots[c]);
    if (p >= 64 || seen[p]) return false;
    seen[p] = true;
  }
  return true;
}
static_assert(IsPermutation());

}  // namespace

std::uint8_t BrailleAsciiPattern(std::uint8_t ascii) {
  if (ascii < 0x20 || ascii > 0x5F) return 0;
  return static_cast<std::uint8_t>(PatternOf(kBrailleAsciiDots[ascii - 0x20]));
}

std::uint8_t BesCellToAscii(std::uint8_t byte) {
  if (byte >= 0xA0 && byte <= 0xDF) return kCellToAscii[byte - 0xA0];
  switch (byte) {
    case 0x0A:
    case 0xFE:
      return 0x0A;
    case 0x0D:
      return 0x0D;
    case 0x0C:
    case 0xFD:
      return 0x0C;
    case 0x1A:
      return 0x1A;
    case 0xFC:
      return 0xFC;
    case 0xFF:
      return 0xFF;
    default:
      return 0;
  }
}

}  // namespace document
