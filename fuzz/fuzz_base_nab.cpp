// Any bytes through the BASE and NAB reader: it never fails, and the document it builds
// always has the shape the print job relies on.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"

namespace {

constexpr std::size_t kHeaderSize = 514;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Check;
  const document::Bytes file(data, size);
  const document::BrailleDocument doc = document::ParseBaseNab(file);

  const std::size_t headerSize = std::min(size, kHeaderSize);
  Check(doc.header.size() == headerSize, "header holds the first 514 bytes, or the whole file");
  Check(std::equal(doc.header.begin(), doc.header.end(), data,
                   [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; }),
        "header is the file's own bytes");

  Check(doc.linesPerPage >= 0 && doc.linesPerPage <= 99, "lines per page are two digits");
  Check(doc.charsPerLine >= 0 && doc.charsPerLine <= 99, "cells per line are two digits");
  Check(doc.hasGraphics == 0, "BASE and NAB have no graphics");

  Check(doc.pageCount >= 0, "page count is not negative");
  Check(doc.pageGraphics.size() == static_cast<std::size_t>(doc.pageCount),
        "one graphics string per page");
  for (const std::string& g : doc.pageGraphics) Check(g.empty(), "graphics strings are empty");
  fuzz::CheckGraphicsEntries(doc.pageGraphics);

  if (doc.linesPerPage > 0) {
    const std::size_t L = static_cast<std::size_t>(doc.linesPerPage);
    Check(static_cast<std::size_t>(doc.pageCount) == (doc.lines.size() + L - 1) / L,
          "pages hold every line");
  } else {
    Check(doc.pageCount == 0, "no lines per page gives no pages");
  }

  fuzz::CheckLinesHaveNoLineEnds(doc.lines);
  std::size_t textBytes = 0;
  for (const std::string& line : doc.lines) {
    Check(line.find('\x1a') == std::string::npos, "no line holds the end-of-text byte");
    textBytes += line.size();
  }
  const std::size_t body = size > kHeaderSize ? size - kHeaderSize : 0;
  Check(textBytes + doc.lines.size() <= body, "every line and its LF come from the body");
  return 0;
}
