// The seed inputs of fuzz/corpus/: small files for each reader, valid ones and the edge
// cases its code distinguishes (empty, header only, records cut short, graphics blocks
// running past the end, drawings with points cut short...), and job choices in front of the
// samples for the encoder. The fuzzers start from these; the test build replays them.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "support/braille_files.h"
#include "support/committed_files.h"

namespace test {

namespace {

using Seeds = std::vector<CommittedFile>;

std::string Repeat(const std::string& s, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += s;
  return out;
}

std::string AllBytes(bool descending = false) {
  std::string bytes(256, '\0');
  for (int b = 0; b < 256; ++b)
    bytes[static_cast<std::size_t>(b)] = static_cast<char>(descending ? 255 - b : b);
  return bytes;
}

void Add(Seeds& seeds, std::string_view target, std::string_view name, std::string bytes) {
  seeds.push_back(
      {"fuzz/corpus/" + std::string(target) + "/" + std::string(name), std::move(bytes)});
}

// ---- BASE and NAB: a 514-byte header, geometry at 508..511, then lines ----

std::string Header(std::string_view geometry = "3222", std::size_t size = 514) {
  return BaseHeader(geometry, "SEED HEADER", "\r\n").substr(0, size);
}

void AddBaseNab(Seeds& seeds) {
  std::string body;
  for (char c = 'A'; c <= 'J'; ++c) body += std::string("LINE #") + c + " ,SEED TEXT\r\n";
  const auto add = [&seeds](std::string_view name, std::string bytes) {
    Add(seeds, "base_nab", name, std::move(bytes));
  };
  add("empty", "");
  add("one-byte", "3");
  add("short-header", Header("3222", 300));
  add("header-one-short", Header("3222", 513));
  add("header-only", Header());
  add("header-then-eot", Header() + "\x1A");
  add("crlf-lines", Header() + body + "\x1A");
  add("lf-lines", Header("3218") + "ABC\nDEF\n\n\nGHI\n");
  add("cr-only", Header() + "ABC\rDEF\r");
  add("last-line-unended", Header() + "ABC\r\nDEF");
  add("eot-mid-line", Header() +
                          "ABC\r\nDE\x1A"
                          "F\r\nGHI\r\n");
  add("zero-lines-per-page", Header("3200") + body);
  add("one-line-per-page", Header("0901") + body);
  add("geometry-not-digits", Header("a?0 ") + body);
  add("geometry-99", Header("9999") + body);
  add("high-bytes", Header() + AllBytes() + "\r\n" + AllBytes(true));
  add("exact-pages", Header("3205") + body);
}

// ---- Win-BES: a 1024-byte header, a filler byte, then page records ----

// The header and the filler byte.
std::string Start(int pages = 1, int lines = 18, bool graphics = false) {
  return WinBesHeader(TwoDigits(33), TwoDigits(lines), PageCountField(pages), graphics);
}

std::string StartWithGraphics(int pages) { return Start(pages, 18, true); }

// The same with the page count field `field`.
std::string StartCounting(const std::string& field, bool graphics = false) {
  return WinBesHeader(TwoDigits(33), TwoDigits(18), field, graphics);
}

std::string HeaderAlone() { return Start().substr(0, 1024); }

std::string Page(const std::vector<std::string>& lines, std::string_view end = "\x0C\x0D") {
  std::string content;
  for (const std::string& line : lines) content += BesCells(line) + '\x0A';
  return content + std::string(end);
}

// Page records of 8 bytes, each a graphics block whose object count (65535) runs past its
// record. When objects were read past their record, every page read the objects of all
// the records after it, and the work and the graphics held grew with the square of the
// file size: 10,000 pages and 1.5 GB of graphics for a 999,999-byte file, the largest the
// dialog reads. Kept so that it stays linear.
std::string RepeatedGraphicsBlocks(std::size_t size) {
  std::string data = StartCounting("9999 ", true);
  const std::string record = WinBesRecord(WinBesBlock({}, 0xFFFF) + std::string("\x01\x00", 2));
  data += Repeat(record, static_cast<int>((size - data.size()) / record.size()));
  return data + std::string(size - data.size(), '\0');
}

void AddWinBes(Seeds& seeds) {
  const std::string page = Page({"AB C", "#A,B", "CCC"});
  const std::string pageRecord = WinBesRecord(page);
  std::vector<std::string> objects;
  for (unsigned i = 0; i < 4; ++i) objects.push_back(WinBesObject(1, 0, 2, 40 + 8 * i, 300));
  const std::vector<std::string> mixed = {
      WinBesObject(1, 0, 1, 10, 10), WinBesObject(2, 0, 1, 11, 11), WinBesObject(1, 1, 1, 12, 12),
      WinBesObject(1, 0, 4, 13, 13), WinBesObject(1, 0, 3, 14, 14)};
  const auto add = [&seeds](std::string_view name, std::string bytes) {
    Add(seeds, "winbes", name, std::move(bytes));
  };
  add("empty", "");
  add("tag-only", "%BET4");
  add("wrong-version", "%BET3" + Start().substr(5) + pageRecord);
  add("header-short", HeaderAlone().substr(0, 600));
  add("header-only", HeaderAlone());
  add("header-and-filler", Start());
  add("length-byte-only", Start() + "\x10");
  add("one-page", Start() + pageRecord);
  add("three-pages", Start(3) + Repeat(pageRecord, 3));
  add("more-pages-in-header", Start(40) + Repeat(pageRecord, 2));
  add("fewer-pages-in-header", Start(1) + Repeat(pageRecord, 3));
  add("record-past-end", Start(2) + WinBesRecord(page, 400));
  add("record-length-0", Start(3) + WinBesRecord("", 0) + pageRecord);
  add("record-length-1", Start(3) + WinBesRecord("", 1) + pageRecord);
  add("record-length-3", Start(3) + WinBesRecord("") + pageRecord);
  add("page-count-4-digits", StartCounting("9999 ") + Repeat(pageRecord, 2));
  add("page-count-no-blank", StartCounting("12345") + Repeat(pageRecord, 2));
  add("page-count-not-digits", StartCounting("x9 ") + pageRecord);
  add("lines-carried-over", Start(2) + WinBesRecord(BesCells("ABC")) + pageRecord);
  add("cr-in-line", Start() + WinBesRecord(BesCells("AB") + "\x0D" + BesCells("C") + "\x0A"));
  add("alternate-codes",
      Start(2) + WinBesRecord(BesCells("AB") + "\xFE" + BesCells("C") + "\xFD\x1A\x0D") +
          pageRecord);
  add("page-end-byte",
      Start(2) + WinBesRecord(BesCells("AB") + "\xFF" + BesCells("C")) + pageRecord);
  add("form-feed-fills", Start(2, 5) +
                             WinBesRecord(BesCells("A") + "\x0A" + BesCells("B") + "\x0C") +
                             WinBesRecord("\x0C\x0D"));
  add("zero-lines-per-page", Start(2, 0) + Repeat(pageRecord, 2));
  add("graphics", StartWithGraphics(2) + WinBesRecord(Page({"AB"}, "\x0C") + WinBesBlock(objects)) +
                      pageRecord);
  add("graphics-skipped-objects", StartWithGraphics(1) + WinBesRecord(WinBesBlock(mixed)));
  add("graphics-count-0", StartWithGraphics(1) + WinBesRecord(WinBesBlock({}, 0)));
  add("graphics-count-only", StartWithGraphics(1) + WinBesRecord("\xFC\x05"));
  add("graphics-past-end", StartWithGraphics(1) + WinBesRecord(WinBesBlock(objects, 50)));
  const std::string cut = WinBesRecord(WinBesBlock(objects));
  add("graphics-object-cut", StartWithGraphics(1) + cut.substr(0, cut.size() - 7));
  add("all-bytes", Start(2) + WinBesRecord(AllBytes()) + pageRecord);
  add("repeated-graphics-blocks-64k", RepeatedGraphicsBlocks(65536));
  add("repeated-graphics-blocks-999999", RepeatedGraphicsBlocks(999999));
}

// ---- EDEL: the magic, then lines of an LF, a dot kind and four-letter points ----

void AddEdel(Seeds& seeds) {
  std::vector<Point> points;
  for (unsigned i = 0; i < 6; ++i) points.push_back({20 + 12 * i, 40});
  const auto add = [&seeds](std::string_view name, std::string bytes) {
    Add(seeds, "edel", name, std::move(bytes));
  };
  std::string highBytes = AllBytes().substr(0x80);
  add("empty", "");
  add("magic-short", "EDE");
  add("magic-only", "EDEL");
  add("wrong-magic", "EDEX" + EdelLine('1', points));
  add("title-only", "EDEL0001 SEED DRAWING\r");
  add("lf-at-end", "EDEL0001\r\n");
  add("kind-only", "EDEL\n1");
  add("points-cut-short", "EDEL\n1" + EdelPoint(1, 2).substr(0, 3));
  add("point-then-cut", "EDEL\n2" + EdelPoint(1, 2) + EdelPoint(3, 4).substr(0, 2));
  add("no-cr", "EDEL\n1" + EdelPoint(5, 6) + EdelPoint(7, 8));
  add("one-line", "EDEL" + EdelLine('1', points) + "\n");
  add("kinds", "EDEL SEED\r" + EdelLine('1', points) + EdelLine('2', points) +
                   EdelLine('3', points) + EdelLine('4', points) + "\n");
  add("lf-among-points", "EDEL\n1" + EdelPoint(1, 2) + "\nABC" + EdelPoint(3, 4) + "\r");
  add("cr-mid-point", "EDEL\n1AB\rCD\n2" + EdelPoint(9, 9) + "\r");
  add("high-bytes", "EDEL\n1" + highBytes + "\r\n3\xFF\xFF\xFF\xFF\r");
  add("gap-between-lines", "EDEL" + EdelLine('1', points) + "junk" + EdelLine('2', points));
  add("empty-lines", "EDEL\n1\r\n2\r\n\r\n");
}

// ---- the encoder: 8 bytes choosing the job, then a file ----
//
// The job's bytes: the reader (0 BASE and NAB, 1 Win-BES, 2 EDEL), the model, the sides,
// the flags (page breaks, graphics, pacing), the first page, the range's length, the
// copies, and a byte the spooler refuses or a cancel check that cancels.

using JobChoice = std::array<std::uint8_t, 7>;  // the bytes after the reader's

// Each sample is printed with each of these.
constexpr std::array<JobChoice, 5> kJobs = {{{0x00, 0x03, 0x00, 0x00, 0x05, 0x01, 0x00},
                                             {0x01, 0x00, 0x01, 0x02, 0x00, 0x03, 0x00},
                                             {0x02, 0x02, 0x02, 0x01, 0x01, 0x02, 0x00},
                                             {0x04, 0x01, 0x03, 0x03, 0x02, 0x00, 0x00},
                                             {0x05, 0x00, 0x00, 0x41, 0x00, 0x01, 0x00}}};

std::string Job(std::uint8_t reader, const JobChoice& choice, const std::string& file) {
  std::string job(1, static_cast<char>(reader));
  for (std::uint8_t b : choice) job += static_cast<char>(b);
  return job + file;
}

void AddEncoder(Seeds& seeds) {
  struct Sample {
    std::string_view name;
    std::uint8_t reader;
    std::string bytes;
  };
  const Sample samples[] = {{"sample-bse", 0, SampleBase()},
                            {"sample-nab", 0, SampleNab()},
                            {"sample-bes", 1, SampleWinBes()},
                            {"drawing-edl", 2, SampleDrawing()}};
  int n = 0;
  for (const Sample& s : samples) {
    for (const JobChoice& choice : kJobs) {
      Add(seeds, "encoder", std::string(s.name) + "-" + std::to_string(++n),
          Job(s.reader, choice, s.bytes));
    }
  }
  Add(seeds, "encoder", "cancelled",
      Job(0, {0x00, 0x00, 0x01, 0x00, 0x03, 0x02, 0x43}, SampleBase()));
  Add(seeds, "encoder", "refused-byte",
      Job(1, {0x00, 0x03, 0x03, 0x00, 0x03, 0x01, 0x85}, SampleWinBes()));
  // TEN-10 with graphics: points whose coordinates do not fit the embosser's 10 bits.
  Add(seeds, "encoder", "points-out-of-range",
      Job(1, {0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00},
          WinBesWithGraphics({WinBesObject(1, 0, 2, 8032, 0), WinBesObject(1, 0, 3, 7552, 0),
                              WinBesObject(1, 0, 1, 0, 964), WinBesObject(1, 0, 2, 5, 5)})));
}

// ---- the filter: the model, the format and how reading went (0 read, 1 not opened, 2 too
// large); the options page-ranges,
// copies, VarnelSides, VarnelGraphics and VarnelPageBreak, each ended by NUL (a lone 0x01:
// not given); then the document ----

std::string FilterJob(std::uint8_t model, std::uint8_t format,
                      std::initializer_list<std::string_view> options, const std::string& file,
                      std::uint8_t read = 0) {
  std::string job{static_cast<char>(model), static_cast<char>(format), static_cast<char>(read)};
  for (std::string_view option : options) {
    job += option;
    job += '\0';
  }
  return job + file;
}

void AddFilter(Seeds& seeds) {
  constexpr std::string_view kUnset = "\x01";
  // model: 0 TEN-100, 1 TEN-10, 2 NewESA721, 3 ESA721, 4 NABCC-DBL, 5 NABCC-SGL
  // format: 0 BASE, 1 NAB, 2 Win-BES, 3 EDEL, 4 none of them
  Add(seeds, "filter", "base-defaults",
      FilterJob(0, 0, {kUnset, "1", kUnset, kUnset, kUnset}, SampleBase()));
  Add(seeds, "filter", "base-range-copies",
      FilterJob(5, 0, {"2-3", "2", "single", "false", "false"}, SampleBase()));
  Add(seeds, "filter", "nab-front",
      FilterJob(3, 1, {"1-", "1", "front", kUnset, "true"}, SampleNab()));
  Add(seeds, "filter", "bes-double-graphics",
      FilterJob(0, 2, {"-2", "3", "double", "true", kUnset}, SampleWinBes()));
  Add(seeds, "filter", "bes-graphics-refused",
      FilterJob(4, 2, {kUnset, "1", "back", "true", "auto"}, SampleWinBes()));
  Add(seeds, "filter", "edel-on-esa",
      FilterJob(3, 3, {kUnset, "1", kUnset, kUnset, kUnset}, SampleDrawing()));
  Add(seeds, "filter", "edel-on-ten",
      FilterJob(1, 3, {"1", "1000", "Auto", "TRUE", "on"}, SampleDrawing()));
  Add(seeds, "filter", "two-ranges",
      FilterJob(2, 0, {"1-2,3", "1", kUnset, kUnset, kUnset}, SampleBase()));
  Add(seeds, "filter", "bad-values",
      FilterJob(2, 0, {"x-3", "1a", "sideways", "maybe", "2"}, SampleBase()));
  Add(seeds, "filter", "unknown-format",
      FilterJob(0, 4, {kUnset, "1", kUnset, kUnset, kUnset}, "plain text\n"));
  Add(seeds, "filter", "cannot-open",
      FilterJob(0, 0, {kUnset, "1", kUnset, kUnset, kUnset}, "", 1));
}

}  // namespace

std::vector<CommittedFile> FuzzSeeds() {
  Seeds seeds;
  AddBaseNab(seeds);
  AddWinBes(seeds);
  AddEdel(seeds);
  AddEncoder(seeds);
  AddFilter(seeds);
  return seeds;
}

}  // namespace test
