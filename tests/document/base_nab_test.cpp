// BASE and NAB files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "document/braille_document.h"
#include "support/braille_files.h"

namespace {

using ::testing::ElementsAre;

std::vector<std::uint8_t> BaseFile(const std::string& geometry, const std::string& text) {
  const std::string all = test::BaseFile(geometry, text);
  return std::vector<std::uint8_t>(all.begin(), all.end());
}

TEST(BaseNabTest, HeaderGivesGeometryAndIsKeptWhole) {
  const auto doc = document::ParseBaseNab(BaseFile("3222", ""));
  EXPECT_EQ(doc.charsPerLine, 32);
  EXPECT_EQ(doc.linesPerPage, 22);
  EXPECT_EQ(doc.header.size(), 514u);
  EXPECT_TRUE(doc.lines.empty());
  EXPECT_EQ(doc.pageCount, 0);
  EXPECT_TRUE(doc.pageGraphics.empty());
  EXPECT_EQ(doc.hasGraphics, 0);
  EXPECT_EQ(document::ParseBaseNab(BaseFile("32 2", "")).linesPerPage, 2);
  EXPECT_EQ(document::ParseBaseNab(BaseFile("3 9 ", "")).linesPerPage, 90);
  EXPECT_EQ(document::ParseBaseNab(BaseFile("  09", "")).charsPerLine, 0);
}

TEST(BaseNabTest, LinesEndAtLfWithCrIgnoredEverywhere) {
  EXPECT_THAT(document::ParseBaseNab(BaseFile("3222", "ab\r\ncd\r\n")).lines,
              ElementsAre("ab", "cd"));
  EXPECT_THAT(document::ParseBaseNab(BaseFile("3222", "a\rb\n")).lines, ElementsAre("ab"));
  EXPECT_THAT(document::ParseBaseNab(BaseFile("3222", "a\n\nb\n")).lines,
              ElementsAre("a", "", "b"));
  // Text after the last LF forms no line.
  EXPECT_THAT(document::ParseBaseNab(BaseFile("3222", "ab\ncd")).lines, ElementsAre("ab"));
}

TEST(BaseNabTest, EndOfTextMarkStopsReadingAndDropsThePendingLine) {
  EXPECT_THAT(document::ParseBaseNab(BaseFile("3222", "ab\r\n\x1Ax\n")).lines, ElementsAre("ab"));
  EXPECT_THAT(document::ParseBaseNab(BaseFile("3222", "ab\ncd\x1A\n")).lines, ElementsAre("ab"));
}

TEST(BaseNabTest, FormFeedAndNulAreCellsAndDoNotStartPages) {
  const std::string text(
      "a\x0C"
      "b\n\0c\n",
      7);
  const auto doc = document::ParseBaseNab(BaseFile("3201", text));
  EXPECT_THAT(doc.lines, ElementsAre("a\x0C"
                                     "b",
                                     std::string("\0c", 2)));
  EXPECT_EQ(doc.pageCount, 2);
}

TEST(BaseNabTest, PagesAreLinesDividedByLinesPerPageRoundedUp) {
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "x\n";
  const auto doc50 = document::ParseBaseNab(BaseFile("3225", fifty));
  EXPECT_EQ(doc50.pageCount, 2);
  EXPECT_EQ(doc50.pageGraphics.size(), 2u);
  EXPECT_EQ(document::ParseBaseNab(BaseFile("3225", fifty + "y\n")).pageCount, 3);
}

TEST(BaseNabTest, ZeroLinesPerPageGivesNoPagesWithoutDividing) {
  const auto doc = document::ParseBaseNab(BaseFile("3200", "a\nb\n"));
  EXPECT_EQ(doc.linesPerPage, 0);
  EXPECT_EQ(doc.pageCount, 0);
  EXPECT_EQ(doc.lines.size(), 2u);
}

TEST(BaseNabTest, FileShorterThanTheHeaderReadsMissingBytesAsZero) {
  for (std::size_t n : {0u, 1u, 509u, 511u, 513u}) {
    std::vector<std::uint8_t> file(n, '9');
    const auto doc = document::ParseBaseNab(file);
    EXPECT_EQ(doc.header.size(), n);
    EXPECT_TRUE(doc.lines.empty());
    EXPECT_EQ(doc.pageCount, 0);
    if (n == 511) {
      EXPECT_EQ(doc.charsPerLine, 99);
      EXPECT_EQ(doc.linesPerPage, 90);  // byte 511 missing
    }
  }
}

}  // namespace
