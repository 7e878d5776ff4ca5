// Tactile graphics of a page as embosser bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace print {

// A point of a page's graphics as the embosser receives it: its dot kind, X, and Y in the
// embosser's scale.
struct EmbossedPoint {
  std::uint8_t kind;
  unsigned x;
  unsigned y;
};

// The points of a page's graphics entries (5 bytes each: dot kind, X, Y big-endian) that
// reach the embosser, in order; points beyond its coordinates are left out.
void ForEachEmbossedPoint(std::string_view entries,
                          const std::function<void(const EmbossedPoint&)>& visit);

// The digit of the dot-kind sequence that selects a dot kind: "0", "1" or "2".
char DotKindCode(std::uint8_t kind);

// Sends the graphics entries of one page (5 bytes each: dot kind, X, Y big-endian) to
// `put`, one byte a call. `hasText`: the document has braille lines, so the pen returns to
// the origin before the text.
void EncodePageGraphics(std::string_view entries, bool hasText,
                        const std::function<void(std::uint8_t)>& put);

}  // namespace print
