// The embosser byte stream, byte for byte, for each model group and page layout: a
// document and a job spec in, the bytes out.
#include "print/embosser_stream.h"

#include "document/braille_document.h"
#include "print/print_fixture.h"
#include "support/braille_files.h"
#include "support/encoder_run.h"

namespace test {
namespace {

using document::BrailleDocument;

const auto kEscN = B("\x1b\x1bN");
const auto kF14 =
    B("\x1b\x1b"
      "F14");
const auto kF00 =
    B("\x1b\x1b"
      "F00");
const auto kF07 =
    B("\x1b\x1b"
      "F07");
const auto kP6 = B("\x1b\x1bP6");
const auto kP2 = B("\x1b\x1bP2");
const auto kBlank = B("  \r\n");
const auto kFF = B("\x0c");

std::vector<std::uint8_t> Line(std::string_view text) { return Cat({B(text), B("\r\n")}); }
std::vector<std::uint8_t> BlankPage(bool formFeed) {
  return Cat({Repeat(kBlank, 18), formFeed ? kFF : B("")});
}

std::vector<std::uint8_t> Bytes(const std::string& s) { return B(s); }

BrailleDocument Base(int linesPerPage, const std::vector<std::string>& lines) {
  return document::ParseBaseNab(Bytes(BaseFile(32, linesPerPage, lines)));
}

// Each line names its page and line ("P2L3").
BrailleDocument Pages(int linesPerPage, int pages) {
  std::vector<std::string> lines;
  for (int p = 1; p <= pages; ++p) {
    for (int l = 1; l <= linesPerPage; ++l) {
      lines.push_back("P" + std::to_string(p) + "L" + std::to_string(l));
    }
  }
  return Base(linesPerPage, lines);
}

std::vector<std::uint8_t> PageBytes(int page, int fromLine, int toLine) {
  std::vector<std::uint8_t> out;
  for (int l = fromLine; l <= toLine; ++l) {
    out = Cat({out, Line("P" + std::to_string(page) + "L" + std::to_string(l))});
  }
  return out;
}

TEST(EmbosserStreamTest, NabccSingleSendsOnlyLinesAndFormFeeds) {
  const BrailleDocument doc = Base(3, {"AB  ", "C\t", "", "D"});
  print::JobSpec spec = SpecFor(doc, "NABCC-SGL");
  EXPECT_EQ(Encode(doc, spec),
            Cat({Line("AB"), Line("C"), kBlank, kFF, Line("D"), kBlank, kBlank, kFF}));
  spec.pageBreak = false;
  EXPECT_EQ(Encode(doc, spec), Cat({Line("AB"), Line("C"), kBlank, Line("D"), kBlank, kBlank}));
}

TEST(EmbosserStreamTest, TrailingWhiteSpaceIsCutInteriorBlanksStay) {
  const BrailleDocument doc = Base(2, {"A \t\v\f", " B C "});
  EXPECT_EQ(Encode(doc, SpecFor(doc, "NABCC-SGL")), Cat({Line("A"), Line(" B C"), kFF}));
}

struct PageStartCase {
  int linesPerPage;
  std::vector<std::uint8_t> start;
};

class PageStartTest : public ::testing::TestWithParam<PageStartCase> {};

TEST_P(PageStartTest, ControlCodeModelsStartPagesByLinesPerPage) {
  const PageStartCase& c = GetParam();
  const BrailleDocument doc = Base(c.linesPerPage, {"X"});
  const auto end = c.linesPerPage == 24 ? Cat({kP2, kF00}) : kF00;
  const auto back = c.linesPerPage == 18 ? BlankPage(true) : B("");
  EXPECT_EQ(Encode(doc, SpecFor(doc, "TEN-100")),
            Cat({kEscN, c.start, Line("X"), Repeat(kBlank, c.linesPerPage - 1), kFF, back, end}));
}

INSTANTIATE_TEST_SUITE_P(LinesPerPage, PageStartTest,
                         ::testing::Values(PageStartCase{18, kF14}, PageStartCase{22, kF00},
                                           PageStartCase{24, kP6}, PageStartCase{35, kF07},
                                           PageStartCase{20, B("")}, PageStartCase{1, B("")}));

TEST(EmbosserStreamTest, Esa721HasControlCodesButNeverGraphics) {
  const BrailleDocument doc =
      *document::ParseWinBes(Bytes(WinBesWithGraphics({WinBesObject(1, 0, 1, 5, 6)})));
  print::JobSpec spec = SpecFor(doc, "ESA721");
  spec.graphics = true;  // the option on, which this model ignores
  EXPECT_EQ(Encode(doc, spec), Cat({kEscN, Line("A"), Line("B"), kFF, kF00}));
}

TEST(EmbosserStreamTest, BackSideWithEighteenLinesSkipsEachPageFirstLine) {
  const BrailleDocument doc = Pages(18, 2);
  print::JobSpec spec = SpecFor(doc, "ESA721");
  spec.sides = print::kSidesBack;
  EXPECT_EQ(Encode(doc, spec),
            Cat({kEscN, kF07, B(" \r\n"), kF14, PageBytes(2, 2, 18), kFF, kF00}));
}

TEST(EmbosserStreamTest, SingleSidedOnDoubleSidedModelsAddsABlankBackPage) {
  const BrailleDocument doc = Pages(18, 2);
  const auto expected =
      Cat({PageBytes(1, 1, 18), kFF, BlankPage(true), PageBytes(2, 1, 18), kFF, BlankPage(true)});
  EXPECT_EQ(Encode(doc, SpecFor(doc, "NABCC-DBL")), expected);
}

TEST(EmbosserStreamTest, DoubleSidedOddRangeEndsEachCopyWithABlankPage) {
  const BrailleDocument doc = Pages(18, 4);
  print::JobSpec spec = SpecFor(doc, "TEN-100");
  spec.sides = print::kSidesDouble;
  spec.endPage = 3;
  spec.copies = 2;
  std::vector<std::uint8_t> copy;
  for (int p = 1; p <= 3; ++p) copy = Cat({copy, kF14, PageBytes(p, 1, 18), kFF});
  EXPECT_EQ(Encode(doc, spec), Cat({kEscN, copy, BlankPage(true), copy, BlankPage(true), kF00}));
  spec.endPage = 4;
  spec.copies = 1;
  const auto bytes = Encode(doc, spec);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 13, bytes.end()),
            Cat({B("P4L18\r\n"), kFF, kF00}));
}

TEST(EmbosserStreamTest, EdelDrawingHasNoPageStartNorReturnAndAlwaysEndsItsPage) {
  const BrailleDocument doc = *document::ParseEdel(Bytes("EDEL\n1ABCD\r"));
  print::JobSpec spec = SpecFor(doc, "NewESA721");
  spec.pageBreak = false;
  spec.edel = true;
  spec.graphics = true;
  EXPECT_EQ(Encode(doc, spec), Cat({kEscN,
                                    B("\x1b\x1bG\x1b\x1b"
                                      "D0"),
                                    B("\x20\x7c\x22\x57"),
                                    B("\x1b\x1b"
                                      "D1\r"),
                                    kFF, kF00}));
}

TEST(EmbosserStreamTest, GraphicsKindsAndCoordinates) {
  const BrailleDocument doc = *document::ParseWinBes(
      Bytes(WinBesWithGraphics({WinBesObject(1, 0, 1, 0x0123, 0x0200), WinBesObject(1, 0, 2, 0, 0),
                                WinBesObject(1, 0, 2, 31, 100), WinBesObject(1, 0, 3, 1023, 0)})));
  print::JobSpec spec = SpecFor(doc, "TEN-10");
  spec.graphics = true;
  const auto graphics = Cat({B("\x1b\x1bG"),
                             B("\x1b\x1b"
                               "D0"),
                             B("\x29\x63\x31\x40"),
                             B("\x1b\x1b"
                               "D1"),
                             B("\x20\x60\x20\x40"), B("\x20\x7f\x23\x4a"),
                             B("\x1b\x1b"
                               "D2"),
                             B("\x3f\x7f\x20\x40"), B("\x1d\x20\x60\x20\x40"),
                             B("\x1b\x1b"
                               "D1\r")});
  // Y 512 x 1.063 = 544.256 gives 544; Y 100 gives 106.
  EXPECT_EQ(Encode(doc, spec), Cat({kEscN, graphics, Line("A"), Line("B"), kFF, kF00}));
  spec.graphics = false;
  EXPECT_EQ(Encode(doc, spec), Cat({kEscN, Line("A"), Line("B"), kFF, kF00}));
}

// Points beyond the embosser's 10-bit coordinates (X, or Y after scaling) are dropped
// whole, kind change included: kept to 8 bits they became an ESC, a form feed or a
// misplaced tag inside the graphics block.
TEST(EmbosserStreamTest, PointsBeyondTheCoordinateRangeAreDropped) {
  const BrailleDocument doc = *document::ParseWinBes(Bytes(
      WinBesWithGraphics({WinBesObject(1, 0, 2, 8032, 0), WinBesObject(1, 0, 3, 7552, 0),
                          WinBesObject(1, 0, 1, 1024, 0), WinBesObject(1, 0, 3, 0, 964),
                          WinBesObject(1, 0, 2, 1023, 963), WinBesObject(1, 0, 3, 0, 0xFFFF)})));
  print::JobSpec spec = SpecFor(doc, "TEN-10");
  spec.graphics = true;
  // Y 963 x 1.063 = 1023.67 gives 1023, the last place.
  const auto graphics = Cat({B("\x1b\x1bG"),
                             B("\x1b\x1b"
                               "D1"),
                             B("\x3f\x7f\x3f\x5f"), B("\x1d\x20\x60\x20\x40"),
                             B("\x1b\x1b"
                               "D1\r")});
  EXPECT_EQ(Encode(doc, spec), Cat({kEscN, graphics, Line("A"), Line("B"), kFF, kF00}));
}

// Cancel completes the page under way with blank lines, then ends the copy and the job.
TEST(EmbosserStreamTest, CancelCompletesThePageThenEndsTheJob) {
  const BrailleDocument doc = Pages(22, 3);
  print::JobSpec spec = SpecFor(doc, "TEN-10");
  spec.copies = 2;
  RecordingJob job;
  job.cancelAt = 3;  // after the page's third line
  EXPECT_TRUE(print::EncodeJob(doc, spec, job, job));
  EXPECT_EQ(job.bytes, Cat({kEscN, kF00, PageBytes(1, 1, 3), Repeat(kBlank, 19), kFF, kF00}));
}

TEST(EmbosserStreamTest, ParallelPortPausesAfterEveryByteAndAFailedByteEndsTheStream) {
  const BrailleDocument doc = Base(22, {"A"});
  print::JobSpec spec = SpecFor(doc, "TEN-10");
  spec.pacePort = true;
  RecordingJob job;
  EXPECT_TRUE(print::EncodeJob(doc, spec, job, job));
  EXPECT_EQ(job.pauses, static_cast<int>(job.bytes.size()));

  RecordingJob failing;
  failing.failAt = 5;
  EXPECT_FALSE(print::EncodeJob(doc, spec, failing, failing));
  EXPECT_EQ(failing.bytes, Cat({kEscN, B("\x1b")}));
  EXPECT_EQ(failing.pauses, 5);  // the failed byte was tried, nothing after it
}

}  // namespace
}  // namespace test
