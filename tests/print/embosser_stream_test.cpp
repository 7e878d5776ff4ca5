// The embosser byte stream, byte for byte, for each model group and page layout.
#include "print/print_fixture.h"

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
  std::string f(1024, ' ');
  f.replace(0, 5, "%BET4");
  f.replace(22, 4, "3302");
  f.replace(31, 2, "0 ");
  f[515] = 'G';
  f += '\0';
  std::string content = "\xA1\x0A\xA3\x0A\x0C";
  content += std::string("\xFC\x02\x00\x01\x00\x01\x00\x05\x00\x06\x00", 11) + std::string(24, '\0');
  f += static_cast<char>(content.size() + 3);
  f += std::string(2, '\0') + content;
  LoadFile("g.BES", f);
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
  std::string f(1024, ' ');
  f.replace(0, 5, "%BET4");
  f.replace(22, 4, "3302");
  f.replace(31, 2, "0 ");
  f[515] = 'G';
  f += '\0';
  auto object = [](int kind, unsigned x, unsigned y) {
    std::string o(32, '\0');
    o[0] = 1;
    o[2] = static_cast<char>(kind);
    o[4] = static_cast<char>(x & 0xFF);
    o[5] = static_cast<char>(x >> 8);
    o[6] = static_cast<char>(y & 0xFF);
    o[7] = static_cast<char>(y >> 8);
    return o;
  };
  std::string content = "\xA1\x0A\xA3\x0A\x0C\xFC\x05";
  content += '\0';
  content += object(1, 0x0123, 0x0200) + object(2, 0, 0) + object(2, 31, 100) + object(3, 1023, 0);
  const std::size_t length = content.size() + 3;
  f += static_cast<char>(length & 0xFF);
  f += static_cast<char>(length >> 8);
  f += '\0';
  f += content;
  LoadFile("g.BES", f);
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
