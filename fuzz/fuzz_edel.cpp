// Any bytes through the EDEL reader: a file without the magic is refused, any other
// becomes one page of graphics entries with coordinates in the base-26 range.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"

namespace {

constexpr std::string_view kMagic = "EDEL";
// Two base-26 letters, each taken as its low five bits.
constexpr unsigned kMaxCoordinate = 26 * 31 + 31;
constexpr std::size_t kPointBytes = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Check;
  const document::Bytes file(data, size);
  const std::optional<document::BrailleDocument> parsed = document::ParseEdel(file);

  const std::string_view view(reinterpret_cast<const char*>(data), size);
  const bool tagged = view.substr(0, kMagic.size()) == kMagic;
  Check(parsed.has_value() == tagged, "only files with the magic are read");
  if (!parsed) return 0;
  const document::BrailleDocument& doc = *parsed;

  Check(doc.header == kMagic, "header is the magic");
  Check(doc.pageCount == 1, "a drawing is one page");
  Check(doc.hasGraphics == 1, "a drawing has graphics");
  Check(doc.lines.empty(), "a drawing has no text");
  Check(doc.pageGraphics.size() == 1, "exactly one graphics string");
  fuzz::CheckGraphicsEntries(doc.pageGraphics);

  const std::string& g = doc.pageGraphics.front();
  const std::size_t entries = g.size() / fuzz::kEntrySize;
  Check(entries <= (size - kMagic.size()) / kPointBytes, "every entry comes from four bytes");
  for (std::size_t at = 0; at + fuzz::kEntrySize <= g.size(); at += fuzz::kEntrySize) {
    Check(g[at] != '4', "points of the unused kind are left out");
    Check(fuzz::EntryX(g, at) <= kMaxCoordinate, "x is two base-26 letters");
    Check(fuzz::EntryY(g, at) <= kMaxCoordinate, "y is two base-26 letters");
  }
  return 0;
}
