#include "harness.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string_view>

#include "document/braille_document.h"
#include "res/resource.h"

namespace bench {

// ---- the folder ----

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "varnel-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
  const std::string p = File(name);
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", p.c_str());
    std::abort();
  }
  return p;
}

const TempFolder& Folder() {
  static const TempFolder folder;
  return folder;
}

// ---- documents ----

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

void Append(std::vector<std::uint8_t>& out, std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }

}  // namespace

std::vector<std::uint8_t> MakeBaseNab(std::size_t size, int linesPerPage) {
  std::string header(514, ' ');
  header.replace(0, 22, "VARNEL BENCHMARK TEXT ");
  char geometry[5];
  std::snprintf(geometry, sizeof geometry, "%02d%02d", kCells, linesPerPage);
  header.replace(508, 4, geometry);
  header.replace(512, 2, "\r\n");

  std::vector<std::uint8_t> out;
  out.reserve(size);
  Append(out, header);
  WordSource words;
  // Every page whole while it fits; the last line is padded so that the file ends with
  // its end-of-text byte at exactly `size` bytes.
  for (int page = 1;; ++page) {
    for (const std::string& line : TextPage(words, linesPerPage, page)) {
      if (out.size() + line.size() + 2 + (kCells + 3) > size) {
        while (size - out.size() > static_cast<std::size_t>(kCells + 3)) Append(out, std::string(kCells, 'L') + "\r\n");
        Append(out, std::string(size - out.size() - 3, 'L'));
        Append(out, "\r\n\x1a");
        return out;
      }
      Append(out, line);
      Append(out, "\r\n");
    }
  }
}

namespace {

// Braille ASCII to Win-BES cell codes: 0xA0 + the six-dot pattern of the character.
std::uint8_t CellCode(char c) {
  return static_cast<std::uint8_t>(0xA0 + document::BrailleAsciiPattern(static_cast<std::uint8_t>(c)));
}

void AppendU16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

// A graphics block: a square frame and a dotted diagonal, 32 bytes per object.
std::vector<std::uint8_t> GraphicsBlock(int page) {
  std::vector<std::uint8_t> block{0xFC};
  constexpr int kObjects = 48;
  AppendU16(block, kObjects + 1);
  for (int k = 0; k < kObjects; ++k) {
    std::uint8_t object[32] = {};
    object[0] = 1;
    object[2] = static_cast<std::uint8_t>(1 + k % 3);
    const unsigned x = 40 + 8 * static_cast<unsigned>(k % 16) + static_cast<unsigned>(page % 7);
    const unsigned y = 300 + 40 * static_cast<unsigned>(k / 16);
    object[4] = static_cast<std::uint8_t>(x & 0xFF);
    object[5] = static_cast<std::uint8_t>(x >> 8);
    object[6] = static_cast<std::uint8_t>(y & 0xFF);
    object[7] = static_cast<std::uint8_t>(y >> 8);
    block.insert(block.end(), object, object + 32);
  }
  return block;
}

std::vector<std::uint8_t> WinBesPage(WordSource& words, int page) {
  constexpr int kLines = 18;
  std::vector<std::uint8_t> content;
  const bool graphics = page % 8 == 2;
  // A page with graphics leaves room for them: its text is the heading and a few lines.
  const std::vector<std::string> lines = TextPage(words, graphics ? 6 : kLines, page);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    for (char c : lines[i]) content.push_back(CellCode(c));
    content.push_back(0x0A);
  }
  for (char c : lines.back()) content.push_back(CellCode(c));
  content.push_back(0x0C);  // the page end fills the page
  if (graphics) {
    const std::vector<std::uint8_t> block = GraphicsBlock(page);
    content.insert(content.end(), block.begin(), block.end());
  } else {
    content.push_back(0x0D);
  }
  return content;
}

}  // namespace

std::vector<std::uint8_t> MakeWinBes(std::size_t size) {
  WordSource words;
  std::vector<std::vector<std::uint8_t>> pages;
  std::size_t total = 1025;
  for (int page = 1;; ++page) {
    std::vector<std::uint8_t> content = WinBesPage(words, page);
    if (total + 3 + content.size() + 1200 > size) break;
    total += 3 + content.size();
    pages.push_back(std::move(content));
  }
  // The last page starts with code 0x00 bytes, which the reader passes over, to end the
  // file at exactly `size` bytes.
  pages.back().insert(pages.back().begin(), size - total, 0x00);

  std::string header(1024, ' ');
  header.replace(0, 5, "%BET4");
  header.replace(22, 4, "3318");  // 32 cells (stored plus one), 18 lines
  const std::string count = std::to_string(pages.size() - 1) + " ";
  header.replace(31, count.size(), count);
  header[515] = 'G';

  std::vector<std::uint8_t> out;
  out.reserve(size);
  Append(out, header);
  out.push_back(0x00);
  for (const std::vector<std::uint8_t>& content : pages) {
    AppendU16(out, static_cast<unsigned>(3 + content.size()));
    out.push_back(0x00);
    out.insert(out.end(), content.begin(), content.end());
  }
  return out;
}

std::vector<std::uint8_t> MakeEdel(std::size_t size) {
  constexpr std::string_view kTitle = "EDEL0001 VARNEL BENCHMARK DRAWING\r";
  std::vector<std::uint8_t> out(kTitle.begin(), kTitle.end());
  out.reserve(size);
  auto point = [&out](unsigned x, unsigned y) {
    out.push_back(static_cast<std::uint8_t>(0x40 + x / 26));
    out.push_back(static_cast<std::uint8_t>(0x40 + x % 26));
    out.push_back(static_cast<std::uint8_t>(0x40 + y / 26));
    out.push_back(static_cast<std::uint8_t>(0x40 + y % 26));
  };
  // Dot lines across the sheet, each of its own kind and height, with a wave in them.
  for (unsigned n = 0;; ++n) {
    const unsigned points = 40 + n % 80;
    if (out.size() + 3 + 4 * points + 1 > size) break;
    out.push_back(0x0A);
    out.push_back(static_cast<std::uint8_t>('1' + n % 3));
    const unsigned y0 = 20 + (n * 7) % 760;
    for (unsigned k = 0; k < points; ++k) point(20 + 5 * k, y0 + (k * 5 + n) % 23);
    out.push_back(0x0D);
  }
  // Bytes after a CR and before an LF are not read: spaces end the file at `size` bytes.
  out.insert(out.end(), size - out.size(), ' ');
  return out;
}

// ---- the dialog ----

Harness::Harness(platform::Spooler* spooler)
    : services_(Folder().File("Varnel.ini")),
      platform_{services_.windows, services_.clipboard,  spooler ? *spooler : services_.spooler,
                services_.files,   services_.shell,      services_.clock,
                services_.pump,    services_.environment} {
  services_.spooler.AddPrinter("TEN-100", "USB001");
  dlg_ = std::make_unique<CVarnelDlg>(platform_);
  dlg_->SetMainWindowRole();
  if (!dlg_->CreateModeless(nullptr)) {
    std::fprintf(stderr, "the main dialog cannot be created\n");
    std::abort();
  }
}

Harness::~Harness() {
  if (dlg_) dlg_->DestroyWindow();
}

platform::HeadlessHost& Harness::host() { return *services_.windows.Find(res::kIddVarnel); }

bool Harness::Browse(const std::string& path) {
  const std::size_t before = services_.windows.MessageBoxes().size();
  services_.files.Answer(path);
  host().Click(res::kIdcBrowse);
  return services_.windows.MessageBoxes().size() == before;
}

bool Harness::Print() {
  const std::size_t before = services_.windows.MessageBoxes().size();
  host().Click(res::kIdcPrint);
  return services_.windows.MessageBoxes().size() == before;
}

void Harness::ForgetDocument() {
  std::vector<std::string>().swap(dlg_->m_arrLines);
  std::vector<std::string>().swap(dlg_->m_arrPageGraphics);
  std::string().swap(dlg_->m_strFileHeader);
}

}  // namespace bench
