// Any bytes through the Win-BES reader: a file without the version tag is refused, any
// other becomes a document whose pages and graphics the print job can walk.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"

namespace {

constexpr std::string_view kVersionTag = "%BET4";
constexpr std::size_t kHeaderSize = 1024;
constexpr std::size_t kObjectSize = 32;
// The header's page count field has at most four digits.
constexpr int kMaxPages = 9999 + 1;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Check;
  const document::Bytes file(data, size);
  const std::optional<document::BrailleDocument> parsed = document::ParseWinBes(file);

  const std::string_view view(reinterpret_cast<const char*>(data), size);
  const bool tagged = view.substr(0, kVersionTag.size()) == kVersionTag;
  Check(parsed.has_value() == tagged, "only files with the version tag are read");
  if (!parsed) return 0;
  const document::BrailleDocument& doc = *parsed;

  Check(doc.header == view.substr(0, kHeaderSize), "header is the file's first 1024 bytes");
  Check(doc.hasGraphics == 0 || doc.hasGraphics == 1, "graphics flag is 0 or 1");
  Check(doc.linesPerPage >= 0 && doc.linesPerPage <= 99, "lines per page are two digits");
  Check(doc.charsPerLine >= -1 && doc.charsPerLine <= 98, "cells per line are two digits less one");

  Check(doc.pageCount >= 0 && doc.pageCount <= kMaxPages, "page count fits the header field");
  Check(doc.pageGraphics.size() <= static_cast<std::size_t>(doc.pageCount),
        "never more graphics strings than pages");
  fuzz::CheckGraphicsEntries(doc.pageGraphics);
  std::size_t entries = 0;
  for (const std::string& g : doc.pageGraphics) {
    for (std::size_t at = 0; at + fuzz::kEntrySize <= g.size(); at += fuzz::kEntrySize) {
      Check(g[at] != '4', "unused objects are left out");
    }
    entries += g.size() / fuzz::kEntrySize;
  }
  // Each entry comes from a 32-byte object of its own, inside its page record: the
  // graphics never grow faster than the file.
  Check(entries <= size / kObjectSize, "every entry has 32 bytes of the file to itself");

  fuzz::CheckLinesHaveNoLineEnds(doc.lines);
  return 0;
}
