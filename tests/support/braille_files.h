// Braille files built for tests, benchmarks and fuzz seeds, in the layouts the readers
// take. Everything that writes a BASE, NAB, Win-BES or EDEL file for them goes through
// these pieces, so that each layout is written down once.
//
// This file stands alone (it needs no other file of the library), so that a test program
// may build it from source without linking varnel_test_support.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace test {

// ---- cells ----

// The six-dot pattern Braille ASCII gives `c` (0x20 to 0x5F; dot n is bit n - 1), 0 for
// any other byte.
std::uint8_t DotPattern(char c);
// Win-BES cell codes of Braille ASCII text: 0xA0 plus each character's pattern.
std::string BesCells(std::string_view text);
// `n` as two decimal digits (modulo 100).
std::string TwoDigits(int n);

// ---- BASE and NAB ----

// The 514-byte header: `title` from its first byte, `geometry` at bytes 508 to 511 (cells
// per line and lines per page, two digits each), `end` at bytes 512 and 513, blanks
// elsewhere. The readers take the geometry alone.
std::string BaseHeader(std::string_view geometry, std::string_view title = "",
                       std::string_view end = "  ");
// The header with `geometry` alone, then `text`.
std::string BaseFile(const std::string& geometry, const std::string& text);
// The same with `lines`, each ended by LF.
std::string BaseFile(int cellsPerLine, int linesPerPage, const std::vector<std::string>& lines);

// ---- Win-BES ----

// The 1025 bytes before the first page record: the 1024-byte header (the version tag
// "%BET4", cells per line plus one at bytes 22 and 23, lines per page at 24 and 25, the
// page count field from byte 31, the graphics mark 'G' at 515) and a byte the reader
// passes over.
std::string WinBesHeader(const std::string& cellsPlusOne, const std::string& linesPerPage,
                         const std::string& pageCountField, bool graphicsMark = false);
// The page count field as editors write it: the number of pages less one, then a blank.
std::string PageCountField(int pages);
// A page record: its length (content plus the 3 bytes of the length field, low byte
// first), a byte the reader passes over, then `content`.
std::string WinBesRecord(const std::string& content);
// The same with the length field `length`, whatever the content's length.
std::string WinBesRecord(const std::string& content, std::size_t length);
// A 32-byte graphics object: type, a reserved byte, the dot kind, a byte the reader passes
// over, then x and y (low byte first) and zeros.
std::string WinBesObject(int type, int reserved, int kind, unsigned x, unsigned y);
// A graphics block: 0xFC, the object count plus one (low byte first), the objects.
std::string WinBesBlock(const std::vector<std::string>& objects);
// The same with the count field `count`, whatever the number of objects.
std::string WinBesBlock(const std::vector<std::string>& objects, unsigned count);
// One page of two lines, "A" and "B", followed by a graphics block holding `objects`;
// the header marks graphics.
std::string WinBesWithGraphics(const std::vector<std::string>& objects);

// ---- EDEL ----

struct Point {
  unsigned x;
  unsigned y;
};

// A point of a dot line: x, then y, each as two base-26 digits written 0x40 + digit.
std::string EdelPoint(unsigned x, unsigned y);
// A dot line: LF, the dot kind, the points, then `end` (the CR that closes the line).
std::string EdelLine(char kind, const std::vector<Point>& points, std::string_view end = "\r");

}  // namespace test
