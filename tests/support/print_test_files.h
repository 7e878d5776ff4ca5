// The documents the shell tests of printing make (tests/cups, tests/filter), through
// varnel_test_files.
#pragma once

#include <string>

namespace test {

// A BASE file of `count` text lines, `cellsPerLine` cells per line and `linesPerPage`
// lines per page. The lines vary in length and content, some are empty and some end in
// blanks (which the embosser stream drops).
std::string VariedBase(int cellsPerLine, int linesPerPage, int count);
// A one-page Win-BES file (32 cells, 22 lines) marked as carrying graphics, with one dot.
std::string WinBesWithOneDot();
// A tactile drawing of a few dots of three kinds.
std::string SmallDrawing();

}  // namespace test
