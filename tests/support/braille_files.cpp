#include "support/braille_files.h"

#include <cstdio>

namespace test {

namespace {

// Braille ASCII: the dots of each character from 0x20 to 0x5F. Written out here rather
// than taken from the reader, so that a fault in the reader's table shows in the tests.
constexpr const char* kDots[64] = {
    "",      "2346",  "5",    "3456", "1246", "146",    "12346", "3",     // space ! " # $ % & '
    "12356", "23456", "16",   "346",  "6",    "36",     "46",    "34",    // ( ) * + , - . /
    "356",   "2",     "23",   "25",   "256",  "26",     "235",   "2356",  // 0 1 2 3 4 5 6 7
    "236",   "35",    "156",  "56",   "126",  "123456", "345",   "1456",  // 8 9 : ; < = > ?
    "4",     "1",     "12",   "14",   "145",  "15",     "124",   "1245",  // @ A B C D E F G
    "125",   "24",    "245",  "13",   "123",  "134",    "1345",  "135",   // H I J K L M N O
    "1234",  "12345", "1235", "234",  "2345", "136",    "1236",  "2456",  // P Q R S T U V W
    "1346",  "13456", "1356", "246",  "1256", "12456",  "45",    "456",   // X Y Z [ \ ] ^ _
};

std::string LowHigh(std::size_t v) {
  return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

}  // namespace

std::uint8_t DotPattern(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte > 0x5F) return 0;
  unsigned pattern = 0;
  for (const char* d = kDots[byte - 0x20]; *d != '\0'; ++d) pattern |= 1u << (*d - '1');
  return static_cast<std::uint8_t>(pattern);
}

std::string BesCells(std::string_view text) {
  std::string cells;
  cells.reserve(text.size());
  for (char c : text) cells += static_cast<char>(0xA0 + DotPattern(c));
  return cells;
}

std::string TwoDigits(int n) {
  char digits[3];
  std::snprintf(digits, sizeof digits, "%02d", ((n % 100) + 100) % 100);
  return digits;
}

std::string BaseHeader(std::string_view geometry, std::string_view title, std::string_view end) {
  std::string header(514, ' ');
  header.replace(0, title.size(), title);
  header.replace(508, geometry.size(), geometry);
  header.replace(512, end.size(), end);
  return header;
}

std::string BaseFile(const std::string& geometry, const std::string& text) {
  return BaseHeader(geometry) + text;
}

std::string BaseFile(int cellsPerLine, int linesPerPage, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return BaseFile(TwoDigits(cellsPerLine) + TwoDigits(linesPerPage), text);
}

std::string WinBesHeader(const std::string& cellsPlusOne, const std::string& linesPerPage,
                         const std::string& pageCountField, bool graphicsMark) {
  std::string h(1024, ' ');
  h.replace(0, 5, "%BET4");
  h.replace(22, 2, cellsPlusOne);
  h.replace(24, 2, linesPerPage);
  h.replace(31, pageCountField.size(), pageCountField);
  if (graphicsMark) h[515] = 'G';
  return h + '\0';
}

std::string PageCountField(int pages) { return std::to_string(pages - 1) + " "; }

std::string WinBesRecord(const std::string& content) {
  return WinBesRecord(content, content.size() + 3);
}

std::string WinBesRecord(const std::string& content, std::size_t length) {
  return LowHigh(length) + '\0' + content;
}

std::string WinBesObject(int type, int reserved, int kind, unsigned x, unsigned y) {
  std::string o(32, '\0');
  o[0] = static_cast<char>(type);
  o[1] = static_cast<char>(reserved);
  o[2] = static_cast<char>(kind);
  o.replace(4, 2, LowHigh(x));
  o.replace(6, 2, LowHigh(y));
  return o;
}

std::string WinBesBlock(const std::vector<std::string>& objects) {
  return WinBesBlock(objects, static_cast<unsigned>(objects.size() + 1));
}

std::string WinBesBlock(const std::vector<std::string>& objects, unsigned count) {
  std::string b = '\xFC' + LowHigh(count);
  for (const std::string& o : objects) b += o;
  return b;
}

std::string WinBesWithGraphics(const std::vector<std::string>& objects) {
  return WinBesHeader("33", "02", "0 ", true) +
         WinBesRecord("\xA1\x0A\xA3\x0A\x0C" + WinBesBlock(objects));
}

std::string EdelPoint(unsigned x, unsigned y) {
  return std::string{static_cast<char>(0x40 + x / 26), static_cast<char>(0x40 + x % 26),
                     static_cast<char>(0x40 + y / 26), static_cast<char>(0x40 + y % 26)};
}

std::string EdelLine(char kind, const std::vector<Point>& points, std::string_view end) {
  std::string line{'\x0A', kind};
  for (const Point& p : points) line += EdelPoint(p.x, p.y);
  line += end;
  return line;
}

}  // namespace test
