// The embosser byte stream, byte for byte, for each model group and page layout.
#include "print/print_fixture.h"
#include "support/braille_files.h"

namespace test {
namespace {

const auto kEscN = B("\x1b\x1bN");
const auto kF14 = B("\x1b\x1b" "F14");
const auto kF00 = B("\x1b\x1b" "F00");
const auto kF07 = B("\x1b\x1b" "F07");
const auto kP6 = B("\x1b\x1bP6");
const auto kP2 = B("\x1b\x1bP2");
const auto kBlank = B("  \r\n");
const auto kFF = B("\x0c");

std::vector<std::uint8_t> Line(std::string_view text) { return Cat({B(text), B("\r\n")}); }
std::vector<std::uint8_t> BlankPage(bool formFeed) {
  return Cat({Repeat(kBlank, 18), formFeed ? kFF : B("")});
}

class EmbosserStreamTest : public PrintTest {};

TEST_F(EmbosserStreamTest, WorkedExampleTen10TwentyTwoLines) {
  StartWith("TEN-10");
  LoadBase(22, {"A", ""});
  const auto bytes = Print();
  const auto expected = Cat({kEscN, kF00, Line("A"), Repeat(kBlank, 21), kFF, kF00});
  EXPECT_EQ(bytes, expected) << Hex(bytes);
}

TEST_F(EmbosserStreamTest, NabccSingleSendsOnlyLinesAndFormFeeds) {
  StartWith("NABCC-SGL");
  LoadBase(3, {"AB  ", "C\t", "", "D"});
  const auto bytes = Print();
  const auto expected =
      Cat({Line("AB"), Line("C"), kBlank, kFF, Line("D"), kBlank, kBlank, kFF});
  EXPECT_EQ(bytes, expected) << Hex(bytes);
  host().Click(1025);  // page breaks off
  EXPECT_EQ(Print(), Cat({Line("AB"), Line("C"), kBlank, Line("D"), kBlank, kBlank}));
}

TEST_F(EmbosserStreamTest, TrailingWhiteSpaceIsCutInteriorBlanksStay) {
  StartWith("NABCC-SGL");
  LoadBase(2, {"A \t\v\f", " B C "});
  EXPECT_EQ(Print(), Cat({Line("A"), Line(" B C"), kFF}));
}

struct PageStartCase {
  int linesPerPage;
  std::vector<std::uint8_t> start;
};

class PageStartTest : public PrintTest, public ::testing::WithParamInterface<PageStartCase> {};

TEST_P(PageStartTest, ControlCodeModelsStartPagesByLinesPerPage) {
  const PageStartCase& c = GetParam();
  StartWith("TEN-100");
  LoadBase(c.linesPerPage, {"X"});
  host().PressAlt('S');
  const auto end = c.linesPerPage == 24 ? Cat({kP2, kF00}) : kF00;
  const auto back = c.linesPerPage == 18 ? BlankPage(true) : B("");
  EXPECT_EQ(Print(),
            Cat({kEscN, c.start, Line("X"), Repeat(kBlank, c.linesPerPage - 1), kFF, back, end}));
}

INSTANTIATE_TEST_SUITE_P(LinesPerPage, PageStartTest,
                         ::testing::Values(PageStartCase{18, kF14}, PageStartCase{22, kF00},
                                           PageStartCase{24, kP6}, PageStartCase{35, kF07},
                                           PageStartCase{20, B("")}, PageStartCase{1, B("")}));

TEST_F(EmbosserStreamTest, Esa721HasControlCodesButNeverGraphics) {
  StartWith("ESA721");
  LoadFile("g.BES", WinBesWithGraphics({WinBesObject(1, 0, 1, 5, 6)}));
  host().PressAlt('Z');  // the graphics option on, which this model ignores
  ASSERT_EQ(dlg().m_bGraphics, 1);
  EXPECT_EQ(Print(), Cat({kEscN, Line("A"), Line("B"), kFF, kF00}));
}

TEST_F(EmbosserStreamTest, BackSideWithEighteenLinesSkipsEachPageFirstLine) {
  StartWith("ESA721");
  LoadPages(18, 2);
  host().PressAlt('U');
  std::vector<std::uint8_t> page2 = Cat({kF07, B(" \r\n"), kF14});
  for (int l = 2; l <= 18; ++l) page2 = Cat({page2, Line("P2L" + std::to_string(l))});
  EXPECT_EQ(Print(), Cat({kEscN, page2, kFF, kF00}));
}

TEST_F(EmbosserStreamTest, SingleSidedOnDoubleSidedModelsAddsABlankBackPage) {
  StartWith("NABCC-DBL");
  LoadPages(18, 2);
  host().PressAlt('S');
  std::vector<std::uint8_t> expected;
  for (int p = 1; p <= 2; ++p) {
    for (int l = 1; l <= 18; ++l) expected = Cat({expected, Line("P" + std::to_string(p) + "L" + std::to_string(l))});
    expected = Cat({expected, kFF, BlankPage(true)});
  }
  EXPECT_EQ(Print(), expected);
}

TEST_F(EmbosserStreamTest, DoubleSidedOddRangeEndsEachCopyWithABlankPage) {
  StartWith("TEN-100");
  LoadPages(18, 4);
  ASSERT_EQ(dlg().m_nSides, 3);
  SetRange(1, 3, 2);
  auto bytes = Print();
  std::vector<std::uint8_t> copy;
  for (int p = 1; p <= 3; ++p) {
    copy = Cat({copy, kF14});
    for (int l = 1; l <= 18; ++l) copy = Cat({copy, Line("P" + std::to_string(p) + "L" + std::to_string(l))});
    copy = Cat({copy, kFF});
  }
  EXPECT_EQ(bytes, Cat({kEscN, copy, BlankPage(true), copy, BlankPage(true), kF00}));
  SetRange(1, 4, 1);
  bytes = Print();
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 13, bytes.end()),
            Cat({B("P4L18\r\n"), kFF, kF00}));
}

TEST_F(EmbosserStreamTest, GraphicsKindsAndCoordinates) {
  StartWith("TEN-10");
  LoadFile("g.BES", WinBesWithGraphics({WinBesObject(1, 0, 1, 0x0123, 0x0200),
                                        WinBesObject(1, 0, 2, 0, 0), WinBesObject(1, 0, 2, 31, 100),
                                        WinBesObject(1, 0, 3, 1023, 0)}));
  ASSERT_EQ(dlg().m_bGraphics, 1);
  const auto graphics = Cat({B("\x1b\x1bG"), B("\x1b\x1b" "D0"), B("\x29\x63\x31\x40"),
                             B("\x1b\x1b" "D1"), B("\x20\x60\x20\x40"), B("\x20\x7f\x23\x4a"),
                             B("\x1b\x1b" "D2"), B("\x3f\x7f\x20\x40"),
                             B("\x1d\x20\x60\x20\x40"), B("\x1b\x1b" "D1\r")});
  // Y 512 x 1.063 = 544.256 gives 544; Y 100 gives 106.
  EXPECT_EQ(Print(), Cat({kEscN, graphics, Line("A"), Line("B"), kFF, kF00}));
}

TEST_F(EmbosserStreamTest, EdelDrawingEndsItsPageWithAFormFeedWhateverThePageBreakOption) {
  StartWith("NewESA721");
  host().PressAlt('K');
  ASSERT_EQ(dlg().m_bPageBreak, 0);
  LoadFile("d.EDL", "EDEL\n1ABCD\r");
  ASSERT_EQ(dlg().m_bGraphics, 1);
  // No page start (no lines per page), no return to the origin (no text lines).
  EXPECT_EQ(Print(), Cat({kEscN, B("\x1b\x1bG\x1b\x1b" "D0"), B("\x20\x7c\x22\x57"),
                          B("\x1b\x1b" "D1\r"), kFF, kF00}));
}

}  // namespace
}  // namespace test
