// Dot kinds and points in the tagged coordinate layout of Tektronix 4010 vector graphics
// (high part tag 0x20, low parts tagged 0x60 and 0x40).
#include "print/page_graphics.h"

#include <array>

namespace print {

namespace {

constexpr std::uint8_t kEsc = 0x1B;
constexpr std::size_t kEntrySize = 5;
// The embosser's dots are closer together across than down the page.
constexpr double kYScale = 1.063;
// Each coordinate goes out as a 5-bit high and a 5-bit low part.
constexpr unsigned kMaxCoordinate = 1023;

}  // namespace

void ForEachEmbossedPoint(std::string_view entries,
                          const std::function<void(const EmbossedPoint&)>& visit) {
  for (std::size_t at = 0; at + kEntrySize <= entries.size(); at += kEntrySize) {
    const auto* e = reinterpret_cast<const std::uint8_t*>(entries.data() + at);
    const unsigned x = (e[1] << 8) | e[2];
    const unsigned y = (e[3] << 8) | e[4];
    const auto scaledY = static_cast<unsigned>(static_cast<double>(y) * kYScale);
    // A point beyond the embosser's coordinates is dropped whole: kept to 8 bits, its parts
    // would become control bytes (an ESC, a form feed) or tags in the wrong place.
    if (x > kMaxCoordinate || scaledY > kMaxCoordinate) continue;
    visit({e[0], x, scaledY});
  }
}

char DotKindCode(std::uint8_t kind) { return kind == '1' ? '0' : kind == '3' ? '2' : '1'; }

void EncodePageGraphics(std::string_view entries, bool hasText,
                        const std::function<void(std::uint8_t)>& put) {
  auto send = [&](auto bytes) {
    for (std::uint8_t b : bytes) put(b);
  };
  send(std::array<std::uint8_t, 3>{kEsc, kEsc, 'G'});
  std::uint8_t currentKind = 0x00;
  ForEachEmbossedPoint(entries, [&](const EmbossedPoint& p) {
    if (p.kind != currentKind) {
      send(std::array<std::uint8_t, 4>{kEsc, kEsc, 'D',
                                       static_cast<std::uint8_t>(DotKindCode(p.kind))});
      currentKind = p.kind;
    }
    send(std::array<std::uint8_t, 4>{static_cast<std::uint8_t>((p.x >> 5) + 0x20),
                                     static_cast<std::uint8_t>((p.x & 0x1F) + 0x60),
                                     static_cast<std::uint8_t>((p.y >> 5) + 0x20),
                                     static_cast<std::uint8_t>((p.y & 0x1F) + 0x40)});
  });
  if (hasText) send(std::array<std::uint8_t, 5>{0x1D, 0x20, 0x60, 0x20, 0x40});  // to (0, 0)
  send(std::array<std::uint8_t, 4>{kEsc, kEsc, 'D', '1'});
  put(0x0D);
}

}  // namespace print
