// What every fuzz target shares: a failed check prints what broke and aborts, so that
// libFuzzer (or the replay driver) stops on the input that broke it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/braille_document.h"

namespace fuzz {

inline void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken invariant: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

constexpr std::size_t kEntrySize = 5;

// A page's graphics string is a sequence of whole 5-byte entries.
inline void CheckGraphicsEntries(const std::vector<std::string>& pageGraphics) {
  for (const std::string& g : pageGraphics) {
    Check(g.size() % kEntrySize == 0, "graphics string length is a multiple of 5");
  }
}

// A line is printed between line ends of the printer's own: it never holds one.
inline void CheckLinesHaveNoLineEnds(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    Check(line.find('\r') == std::string::npos, "no line holds a CR");
    Check(line.find('\n') == std::string::npos, "no line holds an LF");
  }
}

inline std::uint8_t ByteAt(const std::string& s, std::size_t i) {
  return static_cast<std::uint8_t>(s[i]);
}

inline unsigned EntryX(const std::string& g, std::size_t at) {
  return (static_cast<unsigned>(ByteAt(g, at + 1)) << 8) | ByteAt(g, at + 2);
}

inline unsigned EntryY(const std::string& g, std::size_t at) {
  return (static_cast<unsigned>(ByteAt(g, at + 3)) << 8) | ByteAt(g, at + 4);
}

}  // namespace fuzz
