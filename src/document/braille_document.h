// A braille document as a reader builds it from a file's bytes, before it becomes the
// dialog's document members.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace document {

struct BrailleDocument {
  std::string header;                     // the raw header bytes
  std::vector<std::string> lines;         // Braille ASCII, page after page
  std::vector<std::string> pageGraphics;  // 5-byte entries: kind, X, Y (big-endian)
  int pageCount = 0;
  int linesPerPage = 0;
  int charsPerLine = 0;
  std::uint8_t hasGraphics = 0;
};

using Bytes = std::span<const std::uint8_t>;

// The value of a header digit: '1' to '9' count 1 to 9, every other byte 0.
int DigitValue(std::uint8_t byte);

// BASE and NAB: a 514-byte header, then lines ended by LF.
BrailleDocument ParseBaseNab(Bytes file);

// Win-BES cell and control codes to Braille ASCII and control bytes.
std::uint8_t BesCellToAscii(std::uint8_t byte);

// The six-dot pattern (dot n is bit n - 1) of a Braille ASCII character from 0x20 to 0x5F;
// 0 for any other byte.
std::uint8_t BrailleAsciiPattern(std::uint8_t ascii);

// Win-BES: nothing when the version tag is not "%BET4".
std::optional<BrailleDocument> ParseWinBes(Bytes file);

// EDEL drawings: nothing when the magic is not "EDEL".
std::optional<BrailleDocument> ParseEdel(Bytes file);

// Appends one graphics entry to a page's graphics string.
void AppendGraphicsEntry(std::string& graphics, std::uint8_t kind, unsigned x, unsigned y);

}  // namespace document
