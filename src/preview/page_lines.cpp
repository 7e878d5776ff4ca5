#include "preview/page_view.h"
#include "preview/unicode_braille.h"
#include "print/embosser_stream.h"
#include "print/page_graphics.h"

namespace preview {

std::vector<std::string> PageLines(const document::BrailleDocument& doc, int page) {
  std::vector<std::string> lines;
  if (page < 1 || doc.linesPerPage <= 0) return lines;
  const std::size_t first = static_cast<std::size_t>(page - 1) * doc.linesPerPage;
  for (std::size_t i = first; i < first + static_cast<std::size_t>(doc.linesPerPage); ++i) {
    // Where the document has no line, the embosser gets a blank one.
    lines.push_back(UnicodeLine(print::EmbossedLine(i < doc.lines.size() ? doc.lines[i] : "")));
  }
  return lines;
}

int PagePointCount(const document::BrailleDocument& doc, int page) {
  if (page < 1 || static_cast<std::size_t>(page) > doc.pageGraphics.size()) return 0;
  int count = 0;
  print::ForEachEmbossedPoint(doc.pageGraphics[static_cast<std::size_t>(page - 1)],
                              [&](const print::EmbossedPoint&) { ++count; });
  return count;
}

}  // namespace preview
