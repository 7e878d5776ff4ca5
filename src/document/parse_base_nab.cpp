// BASE and NAB files: a 514-byte header of which only the page geometry is read, then
// plain braille lines. A file shorter than the header reads its missing header bytes as
// zero (and has no text).
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

  std::string line;
  for (std::size_t i = kHeaderSize; i < file.size(); ++i) {
    const std::uint8_t b = file[i];
    if (b == 0x0A) {
      doc.lines.push_back(std::move(line));
      line.clear();
    } else if (b == 0x1A) {
      break;  // end of text: the line being collected is dropped
    } else if (b != 0x0D) {
      line += static_cast<char>(b);
    }
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
