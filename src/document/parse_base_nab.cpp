// BASE and NAB files: a 514-byte header of which only the page geometry is read, then
// plain braille lines. A file shorter than the header reads its missing header bytes as
// zero (and has no text).
#include <cstring>
#include <string>

#include "document/braille_document.h"

namespace document {

namespace {

constexpr std::size_t kHeaderSize = 514;

std::uint8_t At(Bytes file, std::size_t i) { return i < file.size() ? file[i] : 0; }

// The first `byte` in [from, to), or `to`.
const std::uint8_t* Find(const std::uint8_t* from, const std::uint8_t* to, std::uint8_t byte) {
  if (from == to) return to;
  const void* found = std::memchr(from, byte, static_cast<std::size_t>(to - from));
  return found ? static_cast<const std::uint8_t*>(found) : to;
}

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
  const std::uint8_t* const begin = text.data();
  const std::uint8_t* const end = begin + text.size();
  const std::uint8_t* textEnd = Find(begin, end, 0x1A);
  std::size_t lineCount = 0;
  for (const std::uint8_t* p = begin; (p = Find(p, textEnd, 0x0A)) != textEnd; ++p) ++lineCount;
  doc.lines.reserve(lineCount);
  for (const std::uint8_t* start = begin;;) {
    const std::uint8_t* const lf = Find(start, textEnd, 0x0A);
    if (lf == textEnd) break;
    // Most lines end in CR LF and hold no other CR: that one is left out without a search.
    const std::uint8_t* last = lf;
    if (last != start && last[-1] == '\r') --last;
    std::string& line = doc.lines.emplace_back(reinterpret_cast<const char*>(start),
                                               static_cast<std::size_t>(last - start));
    if (Find(start, last, '\r') != last) std::erase(line, '\r');
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
