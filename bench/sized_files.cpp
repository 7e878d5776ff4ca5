#include "sized_files.h"

#include <random>
#include <string_view>
#include <vector>

#include "support/braille_files.h"

namespace test {

namespace {

constexpr int kCells = 32;

// Braille ASCII words: mostly letters, with the contraction and punctuation signs that
// real braille text is full of. The same text every run.
class WordSource {
 public:
  std::string Next() {
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static constexpr std::string_view kSigns = "&=(!)*<%?:$]\\[/+>'-,;14";
    std::string word;
    const int length = 1 + static_cast<int>(rng_() % 8);
    for (int i = 0; i < length; ++i) {
      const unsigned r = rng_() % 10;
      word += r < 8 ? kLetters[rng_() % kLetters.size()] : kSigns[rng_() % kSigns.size()];
    }
    if (rng_() % 12 == 0) {  // a number: the number sign and digits
      word.assign(1, '#');
      word += std::to_string(rng_() % 1000);
    }
    for (char& c : word) {
      if (c >= '0' && c <= '9') c = "JABCDEFGHI"[c - '0'];  // braille digits are letters
    }
    return word;
  }
  unsigned Roll(unsigned n) { return static_cast<unsigned>(rng_() % n); }

 private:
  std::mt19937 rng_{20240601};
};

// One page of text: a heading, then paragraphs filled to 32 cells with a blank line
// between some of them.
std::vector<std::string> TextPage(WordSource& words, int linesPerPage, int pageNumber) {
  std::vector<std::string> lines;
  std::string heading = "VARNEL SAMPLE #" + std::to_string(pageNumber);
  for (char& c : heading) {
    if (c >= '0' && c <= '9') c = "JABCDEFGHI"[c - '0'];
  }
  heading.insert(0, (kCells - static_cast<int>(heading.size())) / 2, ' ');
  lines.push_back(heading);
  std::string line = "  ";
  while (static_cast<int>(lines.size()) < linesPerPage) {
    const std::string word = words.Next();
    if (line.size() + 1 + word.size() > static_cast<std::size_t>(kCells)) {
      lines.push_back(line);
      line.clear();
      if (words.Roll(6) == 0 && static_cast<int>(lines.size()) < linesPerPage) {
        lines.push_back(line);  // the end of a paragraph
        line = "  ";
      }
    }
    if (!line.empty() && line.back() != ' ') line += ' ';
    line += word;
  }
  return lines;
}

// A graphics block: a square frame and a dotted diagonal.
std::string GraphicsBlock(int page) {
  constexpr int kObjects = 48;
  std::vector<std::string> objects;
  for (int k = 0; k < kObjects; ++k) {
    const unsigned x = 40 + 8 * static_cast<unsigned>(k % 16) + static_cast<unsigned>(page % 7);
    const unsigned y = 300 + 40 * static_cast<unsigned>(k / 16);
    objects.push_back(WinBesObject(1, 0, 1 + k % 3, x, y));
  }
  return WinBesBlock(objects);
}

std::string WinBesPage(WordSource& words, int page) {
  constexpr int kLines = 18;
  const bool graphics = page % 8 == 2;
  // A page with graphics leaves room for them: its text is the heading and a few lines.
  const std::vector<std::string> lines = TextPage(words, graphics ? 6 : kLines, page);
  std::string content;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) content += BesCells(lines[i]) + '\x0A';
  content += BesCells(lines.back());
  content += '\x0C';  // the page end fills the page
  content += graphics ? GraphicsBlock(page) : std::string("\x0D");
  return content;
}

}  // namespace

std::string BaseNabOfSize(std::size_t size, int linesPerPage) {
  std::string out =
      BaseHeader(TwoDigits(kCells) + TwoDigits(linesPerPage), "VARNEL BENCHMARK TEXT", "\r\n");
  out.reserve(size);
  WordSource words;
  // Every page whole while it fits; the last line is padded so that the file ends with
  // its end-of-text byte at exactly `size` bytes.
  const std::size_t lastLines = kCells + 3;
  for (int page = 1;; ++page) {
    for (const std::string& line : TextPage(words, linesPerPage, page)) {
      if (out.size() + line.size() + 2 + lastLines > size) {
        while (size - out.size() > lastLines) out += std::string(kCells, 'L') + "\r\n";
        out += std::string(size - out.size() - 3, 'L');
        out += "\r\n\x1A";
        return out;
      }
      out += line + "\r\n";
    }
  }
}

std::string WinBesOfSize(std::size_t size) {
  WordSource words;
  std::vector<std::string> pages;
  std::size_t total = 1025;
  for (int page = 1;; ++page) {
    std::string content = WinBesPage(words, page);
    if (total + 3 + content.size() + 1200 > size) break;
    total += 3 + content.size();
    pages.push_back(std::move(content));
  }
  // The last page starts with code 0x00 bytes, which the reader passes over, to end the
  // file at exactly `size` bytes.
  pages.back().insert(0, size - total, '\0');

  std::string out = WinBesHeader(TwoDigits(kCells + 1), "18",
                                 PageCountField(static_cast<int>(pages.size())), true);
  out.reserve(size);
  for (const std::string& content : pages) out += WinBesRecord(content);
  return out;
}

std::string EdelOfSize(std::size_t size) {
  std::string out = "EDEL0001 VARNEL BENCHMARK DRAWING\r";
  out.reserve(size);
  // Dot lines across the sheet, each of its own kind and height, with a wave in them.
  for (unsigned n = 0;; ++n) {
    const unsigned count = 40 + n % 80;
    if (out.size() + 3 + 4 * count + 1 > size) break;
    const unsigned y0 = 20 + (n * 7) % 760;
    std::vector<Point> points;
    for (unsigned k = 0; k < count; ++k) points.push_back({20 + 5 * k, y0 + (k * 5 + n) % 23});
    out += EdelLine(static_cast<char>('1' + n % 3), points);
  }
  // Bytes after a CR and before an LF are not read: blanks end the file at `size` bytes.
  out.append(size - out.size(), ' ');
  return out;
}

}  // namespace test
