// EDEL drawings: after the magic, lines of dot positions, each opened by an LF and a dot
// kind, with points of four base-26 letters until a CR. The whole file becomes the
// graphics of one page without text.
#include <string_view>

#include "document/braille_document.h"

namespace document {

namespace {

constexpr std::string_view kMagic = "EDEL";
constexpr std::uint8_t kLf = 0x0A;
constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kUnusedKind = '4';

unsigned Base26(std::uint8_t high, std::uint8_t low) {
  return 26u * (high & 0x1Fu) + (low & 0x1Fu);
}

}  // namespace

std::optional<BrailleDocument> ParseEdel(Bytes file) {
  const std::string_view view(reinterpret_cast<const char*>(file.data()), file.size());
  if (view.substr(0, kMagic.size()) != kMagic) return std::nullopt;

  BrailleDocument doc;
  doc.header = std::string(kMagic);
  std::string graphics;
  const std::size_t n = file.size();
  std::size_t i = kMagic.size();
  while (i < n) {
    if (file[i] != kLf) {
      ++i;
      continue;
    }
    if (i + 1 >= n) break;
    const std::uint8_t kind = file[i + 1];
    std::size_t p = i + 2;
    // LF bytes among the points are point bytes, not new lines.
    while (p + 3 < n && file[p] != kCr) {
      if (kind != kUnusedKind) {
        AppendGraphicsEntry(graphics, kind, Base26(file[p], file[p + 1]),
                            Base26(file[p + 2], file[p + 3]));
      }
      p += 4;
    }
    if (p < n && file[p] == kCr) {
      i = p + 1;  // the next line starts after the CR
    } else {
      break;  // the points ran to the end of the file
    }
  }
  doc.pageGraphics.push_back(std::move(graphics));
  doc.pageCount = 1;
  doc.hasGraphics = 1;
  return doc;
}

}  // namespace document
