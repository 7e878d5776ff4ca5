// EDEL drawings.
#include <gtest/gtest.h>

#include "document/braille_document.h"

namespace {

std::optional<document::BrailleDocument> Parse(const std::string& file) {
  return document::ParseEdel(std::vector<std::uint8_t>(file.begin(), file.end()));
}

std::string Entry(char kind, unsigned x, unsigned y) {
  return {kind, static_cast<char>(x >> 8), static_cast<char>(x & 0xFF), static_cast<char>(y >> 8),
          static_cast<char>(y & 0xFF)};
}

TEST(EdelTest, MagicMustBeExact) {
  EXPECT_FALSE(Parse("edel\n1ABCD\r").has_value());
  EXPECT_FALSE(Parse("EDE").has_value());
  EXPECT_FALSE(Parse("").has_value());
  EXPECT_FALSE(Parse("XDEL").has_value());
}

TEST(EdelTest, MagicAloneIsOneEmptyGraphicsPage) {
  const auto doc = Parse("EDEL");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->pageCount, 1);
  EXPECT_EQ(doc->hasGraphics, 1);
  ASSERT_EQ(doc->pageGraphics.size(), 1u);
  EXPECT_TRUE(doc->pageGraphics[0].empty());
  EXPECT_TRUE(doc->lines.empty());
  EXPECT_EQ(doc->header, "EDEL");
}

TEST(EdelTest, PointsAreBase26LettersWithTheLineKind) {
  const auto doc = Parse("EDEL header\r\n1ABCD\r\n");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->pageGraphics[0], Entry('1', 28, 82));
  // Lower case counts as upper case, the at sign as zero.
  EXPECT_EQ(Parse("EDEL\n7@a@z\r")->pageGraphics[0], Entry('7', 1, 26));
  EXPECT_EQ(Parse("EDEL\n2ZZZZ\r")->pageGraphics[0], Entry('2', 702, 702));
}

TEST(EdelTest, SeveralPointsAndLinesInFileOrder) {
  const auto doc = Parse("EDEL\n2ABCDEFGH\r\n3@A@B\r");
  EXPECT_EQ(doc->pageGraphics[0],
            Entry('2', 28, 82) + Entry('2', 5 * 26 + 6, 7 * 26 + 8) + Entry('3', 1, 2));
}

TEST(EdelTest, KindFourAddsNothing) {
  EXPECT_EQ(Parse("EDEL\n4ABCD\r\n1@A@A\r")->pageGraphics[0], Entry('1', 1, 1));
}

TEST(EdelTest, LineFeedInsidePointsIsAPointByte) {
  // The LF in the second point is read as a digit (0x0A & 0x1F = 10), not as a new line.
  EXPECT_EQ(Parse("EDEL\n1ABCD@\n@A\r")->pageGraphics[0], Entry('1', 28, 82) + Entry('1', 10, 1));
}

TEST(EdelTest, BytesBeforeTheFirstLineFeedAreNotRead) {
  EXPECT_TRUE(Parse("EDEL1ABCD\r")->pageGraphics[0].empty());
}

TEST(EdelTest, PointCutShortByTheEndOfTheFileAddsNothing) {
  EXPECT_EQ(Parse("EDEL\n1ABCDEFG")->pageGraphics[0], Entry('1', 28, 82));
  EXPECT_TRUE(Parse("EDEL\n1")->pageGraphics[0].empty());
  EXPECT_TRUE(Parse("EDEL\n")->pageGraphics[0].empty());
}

TEST(EdelTest, ScanGoesOnAfterTheCrThatEndsPoints) {
  // After the CR the scan looks for the next LF; text between is skipped.
  EXPECT_EQ(Parse("EDEL\n1ABCD\rjunk\n1@A@B\r")->pageGraphics[0],
            Entry('1', 28, 82) + Entry('1', 1, 2));
}

}  // namespace
