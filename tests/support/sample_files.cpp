// The sample documents of samples/, made from the file layouts the readers take.
#include <cmath>
#include <numbers>
#include <string_view>

#include "support/braille_files.h"
#include "support/committed_files.h"

namespace test {

namespace {

constexpr int kCells = 32;

// Braille ASCII lines: a heading per page and numbered body lines, every fifth blank.
std::vector<std::string> TextLines(int pages, int linesPerPage, std::string_view title) {
  std::vector<std::string> lines;
  for (int p = 0; p < pages; ++p) {
    lines.push_back(
        ("  " + std::string(title) + " #" + static_cast<char>('A' + p % 10)).substr(0, kCells));
    for (int i = 1; i < linesPerPage; ++i) {
      if (i % 5 == 0) {
        lines.emplace_back();
      } else {
        lines.push_back((std::string("LINE #") + "JABCDEFGHI"[i % 10] + " ,VARNEL SAMPLE TEXT")
                            .substr(0, kCells));
      }
    }
  }
  return lines;
}

std::string BaseNab(const std::vector<std::string>& lines, int linesPerPage,
                    std::string_view title) {
  std::string file = BaseHeader(TwoDigits(kCells) + TwoDigits(linesPerPage), title, "\r\n");
  for (const std::string& line : lines) file += line + "\r\n";
  return file + '\x1A';
}

std::vector<std::string> Objects(int kind, const std::vector<Point>& points) {
  std::vector<std::string> objects;
  for (const Point& p : points) objects.push_back(WinBesObject(1, 0, kind, p.x, p.y));
  return objects;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

}  // namespace

std::string SampleBase() {
  std::vector<std::string> lines = TextLines(3, 22, "VARNEL BASE");
  lines.resize(lines.size() - 7);  // the last page is short
  return BaseNab(lines, 22, "VARNEL BASE SAMPLE");
}

std::string SampleNab() { return BaseNab(TextLines(3, 18, "VARNEL NAB"), 18, "VARNEL NAB SAMPLE"); }

std::string SampleWinBes() {
  constexpr int kPages = 4;
  constexpr int kLines = 18;
  // Page 2: a square of kind 2, a circle of kind 3 and an object of the unused kind 4;
  // page 4: two dots of kind 1.
  std::vector<Point> square;
  for (unsigned y : {300u, 460u}) {
    for (unsigned i = 0; i < 20; ++i) square.push_back({40 + 8 * i, y});
  }
  std::vector<Point> circle;
  for (int a = 0; a < 24; ++a) {
    const double angle = a / 12.0 * std::numbers::pi;
    circle.push_back({static_cast<unsigned>(static_cast<int>(200 + 60 * std::cos(angle))),
                      static_cast<unsigned>(static_cast<int>(380 + 60 * std::sin(angle)))});
  }
  std::vector<std::string> page2 = Objects(2, square);
  Append(page2, Objects(3, circle));
  Append(page2, Objects(4, {{10, 10}}));
  const std::vector<std::string> graphics[kPages] = {
      {}, page2, {}, Objects(1, {{100, 100}, {120, 100}})};

  std::string file =
      WinBesHeader(TwoDigits(kCells + 1), TwoDigits(kLines), PageCountField(kPages), true);
  for (int p = 0; p < kPages; ++p) {
    const std::vector<std::string> lines =
        TextLines(1, kLines, "VARNEL BES " + std::to_string(p + 1));
    std::string content;
    if (!graphics[p].empty()) {
      // Every line ends with a line end, so the page holds its full length before the
      // graphics block closes the record.
      for (const std::string& line : lines) content += BesCells(line) + '\x0A';
      content += '\x0C' + WinBesBlock(graphics[p]);
    } else {
      // Lines, then a page end that pads the page and a final CR that closes it.
      for (std::size_t i = 0; i + 1 < lines.size(); ++i) content += BesCells(lines[i]) + '\x0A';
      content += "\x0C\x0D";
    }
    file += WinBesRecord(content);
  }
  return file;
}

std::string SampleDrawing() {
  std::vector<Point> frame;
  for (unsigned y : {20u, 400u}) {
    for (unsigned x = 20; x < 600; x += 12) frame.push_back({x, y});
  }
  std::vector<Point> wave;
  for (unsigned x = 20; x < 600; x += 10) {
    wave.push_back({x, static_cast<unsigned>(static_cast<int>(210 + 100 * std::sin(x / 60.0)))});
  }
  return "EDEL0001 VARNEL SAMPLE DRAWING\r" + EdelLine('1', frame) + EdelLine('2', wave) +
         EdelLine('4', {{5, 5}}) + EdelLine('3', {{300, 210}}) + '\x0A';
}

std::vector<CommittedFile> SampleFiles() {
  return {{"samples/sample.BSE", SampleBase()},
          {"samples/sample.NAB", SampleNab()},
          {"samples/sample.BES", SampleWinBes()},
          {"samples/drawing.EDL", SampleDrawing()}};
}

std::vector<CommittedFile> CommittedFiles() {
  std::vector<CommittedFile> files = SampleFiles();
  for (CommittedFile& seed : FuzzSeeds()) files.push_back(std::move(seed));
  return files;
}

}  // namespace test
