// Tactile graphics of a page as embosser bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace print {

// Sends the graphics entries of one page (5 bytes each: dot kind, X, Y big-endian) to
// `put`, one byte a call. `hasText`: the document has braille lines, so the pen returns to
// the origin before the text.
void EncodePageGraphics(std::string_view entries, bool hasText,
                        const std::function<void(std::uint8_t)>& put);

}  // namespace print
