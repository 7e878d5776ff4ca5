// Braille documents of an exact size with realistic content, for measuring the readers and
// the job on large files. The same bytes every run.
#pragma once

#include <cstddef>
#include <string>

namespace test {

// Braille text in 32-cell lines: headings, paragraphs and blank lines, CR LF line ends
// and an end-of-text byte, exactly `size` bytes.
std::string BaseNabOfSize(std::size_t size, int linesPerPage);
// 18-line pages of cell codes, one page in eight with a block of graphics objects,
// exactly `size` bytes.
std::string WinBesOfSize(std::size_t size);
// A drawing of many dot lines of every used kind, exactly `size` bytes.
std::string EdelOfSize(std::size_t size);

}  // namespace test
