// BASE and NAB files: a 514-byte header of which only the page geometry is read, then
// plain braille lines. A file shorter than the header reads its missing header bytes as
// zero (and has no text).
#include <algorithm>

#include "document/braille_document.h"

namespace document {

namespace {

constexpr std::size_t kHeaderSize = 514;

std::uint8_t At(Bytes file, std::size_t i) { return i < file.size() ? file[i] : 0; }

}  // namespace

BrailleDocument ParseBaseNab(Bytes file) {
  BrailleDocument doc;
  const std::size_t headerEnd = file.size() < kHeaderSize ? file.size() : kHeaderSize;
  doc.header.assign(reinterpret_cast<const char*>(file.data()), headerEnd);

  // The text ends at the end-of-text byte. A line is kept when its LF comes: the line
  // being collected when the text ends is dropped. CRs are left out wherever they are.
  // Each line is taken whole, and the list is made its final size at once, so that the
  // document holds no more memory than it needs.
  const Bytes text = file.subspan(headerEnd);
  const auto textEnd = std::find(text.begin(), text.end(), std::uint8_t{0x1A});
  doc.lines.reserve(
      static_cast<std::size_t>(std::count(text.begin(), textEnd, std::uint8_t{0x0A})));
  for (auto start = text.begin();;) {
    const auto lf = std::find(start, textEnd, std::uint8_t{0x0A});
    if (lf == textEnd) break;
    std::erase(doc.lines.emplace_back(start, lf), '\r');
    start = lf + 1;
  }

  doc.charsPerLine = 10 * DigitValue(At(file, 508)) + DigitValue(At(file, 509));
  doc.linesPerPage = 10 * DigitValue(At(file, 510)) + DigitValue(At(file, 511));
  // Zero lines per page gives zero pages: such a file cannot be given a valid range, so
  // printing it is refused instead of sending pages without text.
  const auto lines = static_cast<long long>(doc.lines.size());
  const long long L = doc.linesPerPage;
  doc.pageCount = L > 0 ? static_cast<int>((lines + L - 1) / L) : 0;
  doc.pageGraphics.assign(static_cast<std::size_t>(doc.pageCount), std::string());
  doc.hasGraphics = 0;
  return doc;
}

}  // namespace document
