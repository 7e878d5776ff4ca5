// Win-BES files: a 1024-byte header, then one record per page holding cell codes, line
// and page ends, and blocks of graphics objects.
//
// The reader never looks past the file's last byte. A page record cut short by the end
// of the file is read as far as it goes and is the last page read; records missing
// altogether, or shorter than their own length field, are not pages of the document, so
// the page count is that of the records read. A graphics object record is used only when
// all its 32 bytes lie in its page record and in the file: objects spilling into the next
// record would be read again by every page before it.
#include <array>
#include <string_view>

#include "document/braille_document.h"

namespace document {

namespace {

constexpr std::string_view kVersionTag = "%BET4";
constexpr std::size_t kHeaderSize = 1024;
constexpr std::size_t kFirstRecord = 1025;
constexpr std::size_t kObjectSize = 32;
const std::string kFillerLine = "  ";

std::uint8_t At(Bytes file, std::size_t i) { return i < file.size() ? file[i] : 0; }

unsigned U16(Bytes file, std::size_t i) { return At(file, i) | (At(file, i + 1) << 8); }

// BesCellToAscii of every byte value, so that the page loop looks each byte up instead of
// calling it.
const std::array<std::uint8_t, 256>& CellTable() {
  static const std::array<std::uint8_t, 256> table = [] {
    std::array<std::uint8_t, 256> t{};
    for (unsigned b = 0; b < t.size(); ++b) t[b] = BesCellToAscii(static_cast<std::uint8_t>(b));
    return t;
  }();
  return table;
}

// The page count field: one to four digits from offset 31, ended by a blank.
int PageCountField(Bytes file) {
  for (std::size_t blank = 32; blank <= 35; ++blank) {
    if (blank < file.size() && file[blank] == 0x20) {
      int n = 0;
      for (std::size_t i = 31; i < blank; ++i) n = 10 * n + DigitValue(file[i]);
      return n + 1;
    }
  }
  return 1;
}

// The used objects of the graphics block at `g`, as graphics entries. Objects must lie
// before `limit`, the end of their page record or of the file.
void ReadGraphicsBlock(Bytes file, std::size_t g, std::size_t limit, std::string& graphics) {
  const unsigned count = U16(file, g + 1);
  for (unsigned k = 1; k < count; ++k) {
    const std::size_t r = g + 3 + (k - 1) * kObjectSize;
    if (r + kObjectSize > limit) return;
    const std::uint8_t type = file[r];
    const std::uint8_t reserved = file[r + 1];
    const std::uint8_t kind = file[r + 2];
    if (type != 1 || reserved != 0 || kind == 4) continue;
    AppendGraphicsEntry(graphics, static_cast<std::uint8_t>(0x30 + kind), U16(file, r + 4),
                        U16(file, r + 6));
  }
}

}  // namespace

std::optional<BrailleDocument> ParseWinBes(Bytes file) {
  const std::string_view view(reinterpret_cast<const char*>(file.data()), file.size());
  if (view.substr(0, kVersionTag.size()) != kVersionTag) return std::nullopt;

  BrailleDocument doc;
  doc.hasGraphics = At(file, 515) == 'G' ? 1 : 0;
  doc.header = std::string(view.substr(0, kHeaderSize));
  doc.charsPerLine = 10 * DigitValue(At(file, 22)) + DigitValue(At(file, 23)) - 1;
  doc.linesPerPage = 10 * DigitValue(At(file, 24)) + DigitValue(At(file, 25));
  const int L = doc.linesPerPage;
  const int pagesInHeader = PageCountField(file);

  const std::array<std::uint8_t, 256>& cells = CellTable();
  std::string line;  // carried over from one page to the next
  std::size_t s = kFirstRecord;
  int pagesRead = 0;
  for (int page = 0; page < pagesInHeader && s + 1 < file.size(); ++page) {
    const std::size_t len = U16(file, s);
    if (len < 3) break;                 // shorter than its own length field: not a page record
    const std::size_t e = s + len - 1;  // last content byte; no content when len is 3
    const std::size_t end = e < file.size() ? e : file.size() - 1;
    std::string graphics;
    int j = 0;
    for (std::size_t i = s + 3; i <= end; ++i) {
      const std::uint8_t c = cells[file[i]];
      if (c == 0) continue;
      if (c == 0x0A || (c == 0x0D && i == e)) {
        if (j < L) {
          doc.lines.push_back(std::move(line));
          line.clear();
          ++j;
        }
      } else if (c == 0x0D) {
        continue;
      } else if (c == 0x0C) {
        if (!line.empty()) {
          doc.lines.push_back(std::move(line));
          ++j;
        }
        for (; j < L - 1; ++j) doc.lines.push_back(kFillerLine);
        line.clear();
      } else if (c == 0xFC) {
        ReadGraphicsBlock(file, i, end + 1, graphics);
        break;
      } else if (c == 0xFF) {
        break;
      } else {
        line += static_cast<char>(c);
      }
    }
    doc.pageGraphics.push_back(std::move(graphics));
    ++pagesRead;
    if (e >= file.size()) break;  // the record ran past the end of the file
    s += len;
  }
  doc.pageCount = pagesRead < pagesInHeader ? pagesRead : pagesInHeader;
  return doc;
}

}  // namespace document
