// The benchmarks' documents: exactly the size asked for, and read whole, so that a
// benchmark measures the file it names.
#include "support/sized_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "document/braille_document.h"

namespace {

constexpr std::size_t kSize = 999'999;

document::Bytes View(const std::string& file) {
  return {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()};
}

std::size_t PagesWithGraphics(const document::BrailleDocument& doc) {
  return static_cast<std::size_t>(std::count_if(doc.pageGraphics.begin(), doc.pageGraphics.end(),
                                                [](const std::string& g) { return !g.empty(); }));
}

TEST(SizedFilesTest, BaseNabEndsWithWholeLinesAtItsSize) {
  for (const int linesPerPage : {18, 22}) {
    SCOPED_TRACE(linesPerPage);
    const std::string file = test::BaseNabOfSize(kSize, linesPerPage);
    ASSERT_EQ(file.size(), kSize);
    EXPECT_EQ(file.back(), '\x1A');
    const document::BrailleDocument doc = document::ParseBaseNab(View(file));
    EXPECT_EQ(doc.charsPerLine, 32);
    EXPECT_EQ(doc.linesPerPage, linesPerPage);
    // Every line ends with CR LF: the lines read hold every byte of the text.
    std::size_t text = 0;
    for (const std::string& line : doc.lines) text += line.size() + 2;
    EXPECT_EQ(514 + text + 1, kSize);
    EXPECT_TRUE(std::all_of(doc.lines.begin(), doc.lines.end(),
                            [](const std::string& l) { return l.size() <= 32; }));
  }
}

TEST(SizedFilesTest, WinBesPagesAreAllReadWithTheirGraphics) {
  const std::string file = test::WinBesOfSize(kSize);
  ASSERT_EQ(file.size(), kSize);
  const std::optional<document::BrailleDocument> doc = document::ParseWinBes(View(file));
  ASSERT_TRUE(doc.has_value());
  EXPECT_EQ(doc->charsPerLine, 32);
  EXPECT_EQ(doc->linesPerPage, 18);
  // The header's page count is that of the records: none is left unread, and with a
  // larger count in the header the same pages are read up to the end of the file.
  EXPECT_EQ(doc->pageCount, std::stoi(file.substr(31, 4)) + 1);
  std::string moreInHeader = file;
  moreInHeader.replace(31, 5, "9999 ");
  EXPECT_EQ(document::ParseWinBes(View(moreInHeader))->pageCount, doc->pageCount);
  EXPECT_EQ(doc->pageGraphics.size(), static_cast<std::size_t>(doc->pageCount));
  EXPECT_GT(PagesWithGraphics(*doc), 0u);
}

TEST(SizedFilesTest, EdelIsOneDrawingOfItsSize) {
  const std::string file = test::EdelOfSize(kSize);
  ASSERT_EQ(file.size(), kSize);
  const std::optional<document::BrailleDocument> doc = document::ParseEdel(View(file));
  ASSERT_TRUE(doc.has_value());
  ASSERT_EQ(doc->pageGraphics.size(), 1u);
  EXPECT_FALSE(doc->pageGraphics[0].empty());
}

}  // namespace
