#include "support/braille_files.h"

#include <cstdio>

namespace test {

std::string BaseFile(const std::string& geometry, const std::string& text) {
  std::string header(514, ' ');
  header.replace(508, geometry.size(), geometry);
  return header + text;
}

std::string BaseFile(int cellsPerLine, int linesPerPage, const std::vector<std::string>& lines) {
  char geometry[16];
  std::snprintf(geometry, sizeof geometry, "%02d%02d", cellsPerLine % 100, linesPerPage % 100);
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return BaseFile(geometry, text);
}

std::string WinBesHeader(const std::string& cellsPlusOne, const std::string& linesPerPage,
                         const std::string& pageCountField, bool graphicsMark) {
  std::string h(1024, ' ');
  h.replace(0, 5, "%BET4");
  h.replace(22, 2, cellsPlusOne);
  h.replace(24, 2, linesPerPage);
  h.replace(31, pageCountField.size(), pageCountField);
  if (graphicsMark) h[515] = 'G';
  return h + '\0';  // byte 1024, not read
}

std::string WinBesRecord(const std::string& content) {
  const std::size_t len = content.size() + 3;
  return std::string{static_cast<char>(len & 0xFF), static_cast<char>(len >> 8), '\0'} + content;
}

std::string WinBesObject(int type, int reserved, int kind, unsigned x, unsigned y) {
  std::string o(32, '\0');
  o[0] = static_cast<char>(type);
  o[1] = static_cast<char>(reserved);
  o[2] = static_cast<char>(kind);
  o[4] = static_cast<char>(x & 0xFF);
  o[5] = static_cast<char>(x >> 8);
  o[6] = static_cast<char>(y & 0xFF);
  o[7] = static_cast<char>(y >> 8);
  return o;
}

std::string WinBesBlock(const std::vector<std::string>& objects) {
  const std::size_t count = objects.size() + 1;
  std::string b{'\xFC', static_cast<char>(count & 0xFF), static_cast<char>(count >> 8)};
  for (const std::string& o : objects) b += o;
  return b;
}

std::string WinBesWithGraphics(const std::vector<std::string>& objects) {
  return WinBesHeader("33", "02", "0 ", true) +
         WinBesRecord("\xA1\x0A\xA3\x0A\x0C" + WinBesBlock(objects));
}

}  // namespace test
