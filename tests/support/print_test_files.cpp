#include "support/print_test_files.h"

#include <string_view>

#include "support/braille_files.h"

namespace test {

std::string VariedBase(int cellsPerLine, int linesPerPage, int count) {
  static constexpr std::string_view kChars =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!#$%&()*+,-./:;<=>?@[]^_ ";
  std::string file = BaseHeader(TwoDigits(cellsPerLine) + TwoDigits(linesPerPage), "", "\r\n");
  for (long i = 0; i < count; ++i) {
    const long length = (i * 7) % (cellsPerLine + 1);
    for (long j = 0; j < length; ++j) {
      file += kChars[static_cast<std::size_t>((i * 13 + j * 5) % static_cast<long>(kChars.size()))];
    }
    if (i % 11 == 3) file += "  ";
    file += '\n';
  }
  return file;
}

std::string WinBesWithOneDot() {
  // Cells A 1 B, a line end, then a graphics block of one dot of kind 1 at (100, 200).
  return WinBesHeader("33", "22", PageCountField(1), true) +
         WinBesRecord("\xA1\xA2\xA3\x0A" + WinBesBlock({WinBesObject(1, 0, 1, 100, 200)}));
}

std::string SmallDrawing() {
  return "EDEL drawing" + EdelLine('1', {{28, 82}, {136, 190}}) + EdelLine('2', {{244, 298}}) +
         EdelLine('3', {{352, 406}, {460, 514}}) + '\n';
}

}  // namespace test
