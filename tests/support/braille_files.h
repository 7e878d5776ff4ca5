// Braille files built in the tests, in the layouts the readers take.
#pragma once

#include <string>
#include <vector>

namespace test {

// BASE and NAB: a 514-byte header whose bytes 508 to 511 hold `geometry` (cells per line
// and lines per page, two digits each), then `text`.
std::string BaseFile(const std::string& geometry, const std::string& text);
// The same with `lines`, each ended by LF.
std::string BaseFile(int cellsPerLine, int linesPerPage, const std::vector<std::string>& lines);

// Win-BES pieces: the 1025 bytes before the first page record, a page record around its
// content, a graphics object and a graphics block.
std::string WinBesHeader(const std::string& cellsPlusOne, const std::string& linesPerPage,
                         const std::string& pageCountField, bool graphicsMark = false);
std::string WinBesRecord(const std::string& content);
std::string WinBesObject(int type, int reserved, int kind, unsigned x, unsigned y);
std::string WinBesBlock(const std::vector<std::string>& objects);
// One page of two lines, "A" and "B", followed by a graphics block holding `objects`;
// the header marks graphics.
std::string WinBesWithGraphics(const std::vector<std::string>& objects);

}  // namespace test
