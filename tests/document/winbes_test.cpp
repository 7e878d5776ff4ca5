// Win-BES files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "document/braille_document.h"
#include "support/braille_files.h"

namespace {

using ::testing::ElementsAre;

std::string Header(const std::string& c, const std::string& l, const std::string& p,
                   bool g = false) {
  return test::WinBesHeader(c, l, p, g);
}
std::string Record(const std::string& content) { return test::WinBesRecord(content); }
std::string Object(int type, int reserved, int kind, unsigned x, unsigned y) {
  return test::WinBesObject(type, reserved, kind, x, y);
}
std::string Block(const std::vector<std::string>& objects) { return test::WinBesBlock(objects); }

document::BrailleDocument Parse(const std::string& file) {
  const std::vector<std::uint8_t> bytes(file.begin(), file.end());
  auto doc = document::ParseWinBes(bytes);
  EXPECT_TRUE(doc.has_value());
  return doc.value_or(document::BrailleDocument{});
}

TEST(WinBesTest, VersionTagMustBeExact) {
  const std::string file = Header("33", "22", "0 ");
  std::vector<std::uint8_t> bytes(file.begin(), file.end());
  bytes[4] = '3';
  EXPECT_FALSE(document::ParseWinBes(bytes).has_value());
  EXPECT_FALSE(document::ParseWinBes({}).has_value());
  EXPECT_FALSE(document::ParseWinBes(std::vector<std::uint8_t>{'%', 'B', 'E', 'T'}).has_value());
}

TEST(WinBesTest, HeaderFields) {
  const auto doc = Parse(Header("33", "22", "0 ", true) + Record("\x0C\x0D"));
  EXPECT_EQ(doc.charsPerLine, 32);
  EXPECT_EQ(doc.linesPerPage, 22);
  EXPECT_EQ(doc.hasGraphics, 1);
  EXPECT_EQ(doc.header.size(), 1024u);
  EXPECT_EQ(Parse(Header("33", "22", "0 ")).hasGraphics, 0);
}

TEST(WinBesTest, PageCountFieldIsDigitsBeforeTheFirstBlank) {
  auto pages = [](const std::string& field) {
    std::string file = Header("33", "02", field);
    for (int i = 0; i < 20; ++i) file += Record("\x0C\x0D");
    return Parse(file).pageCount;
  };
  EXPECT_EQ(pages("9 "), 10);
  EXPECT_EQ(pages("12 "), 13);
  EXPECT_EQ(pages("0 "), 1);
  EXPECT_EQ(pages("11111"), 1);  // no blank in bytes 32 to 35
  std::string big = Header("33", "02", "1234 ");
  EXPECT_EQ(Parse(big).pageCount, 0);  // no record follows the header
}

TEST(WinBesTest, CellCodesBecomeBrailleAscii) {
  const std::pair<std::uint8_t, char> cells[] = {
      {0xA0, ' '}, {0xA1, 'A'}, {0xA2, '1'}, {0xA3, 'B'},  {0xA8, '@'}, {0xB0, '"'},
      {0xBF, 'Q'}, {0xC0, ','}, {0xCA, '['}, {0xD3, '\\'}, {0xD8, '_'}, {0xDF, '='}};
  for (const auto& [code, ascii] : cells)
    EXPECT_EQ(document::BesCellToAscii(code), ascii) << int(code);
  // All 64 patterns give the 64 characters from the blank to the underscore.
  std::set<int> seen;
  for (int p = 0; p < 64; ++p)
    seen.insert(document::BesCellToAscii(static_cast<std::uint8_t>(0xA0 + p)));
  EXPECT_EQ(seen.size(), 64u);
  EXPECT_EQ(*seen.begin(), 0x20);
  EXPECT_EQ(*seen.rbegin(), 0x5F);
  for (int p = 0; p < 64; ++p) {
    const std::uint8_t ascii = document::BesCellToAscii(static_cast<std::uint8_t>(0xA0 + p));
    EXPECT_EQ(document::BrailleAsciiPattern(ascii), p);
  }
  EXPECT_EQ(document::BesCellToAscii(0x41), 0);
  EXPECT_EQ(document::BesCellToAscii(0xE0), 0);
}

TEST(WinBesTest, PageEndPadsWithFillerLinesAndFinalCrCompletesThePage) {
  const auto doc = Parse(Header("33", "22", "0 ") + Record("\xA1\x0A\xA3\x0A\xA2\x0A\x0C\x0D"));
  ASSERT_EQ(doc.lines.size(), 22u);
  EXPECT_EQ(doc.lines[0], "A");
  EXPECT_EQ(doc.lines[1], "B");
  EXPECT_EQ(doc.lines[2], "1");
  for (int i = 3; i < 21; ++i) EXPECT_EQ(doc.lines[static_cast<std::size_t>(i)], "  ") << i;
  EXPECT_EQ(doc.lines[21], "");
  EXPECT_THAT(doc.pageGraphics, ElementsAre(""));
}

TEST(WinBesTest, AlternativeLineAndPageEndCodes) {
  const auto doc = Parse(Header("33", "03", "0 ") + Record("\xA1\xFE\xA3\xFD\x0D"));
  EXPECT_THAT(doc.lines, ElementsAre("A", "B", ""));
}

TEST(WinBesTest, CrOnlyEndsALineAsTheLastContentByte) {
  const auto doc = Parse(Header("33", "05", "0 ") + Record("\xA1\x0D\xA3\x0D"));
  EXPECT_THAT(doc.lines, ElementsAre("AB"));
}

TEST(WinBesTest, UnknownBytesAreIgnoredAndEndOfTextIsACell) {
  const auto doc =
      Parse(Header("33", "05", "0 ") + Record(std::string("\xA1\x41\x00\xA3\x1A\x0A", 6)));
  EXPECT_THAT(doc.lines, ElementsAre("AB\x1A"));
}

TEST(WinBesTest, CellsAfterTheLastLineOfAPageMakeOneLineMore) {
  const auto doc = Parse(Header("33", "02", "0 ") + Record("\xA1\x0A\xA3\x0A\xA2\x0A\xA9\x0C\x0D"));
  // The third line end finds two lines stored: the cells go on in the same line.
  EXPECT_THAT(doc.lines, ElementsAre("A", "B", "1C"));
}

TEST(WinBesTest, CurrentLineCarriesOverToTheNextPage) {
  const auto doc = Parse(Header("33", "02", "1 ") + Record("\xA1") + Record("\xA3\x0A\x0C\x0D"));
  EXPECT_THAT(doc.lines, ElementsAre("AB", ""));
  EXPECT_EQ(doc.pageCount, 2);
}

TEST(WinBesTest, GraphicsBlockKeepsUsedObjectsAndEndsThePage) {
  const std::string block =
      Block({Object(1, 0, 1, 0x0123, 0x0200), Object(1, 0, 4, 5, 6), Object(2, 0, 2, 7, 8),
             Object(1, 1, 2, 9, 10), Object(1, 0, 9, 0xFFFF, 1)});
  const auto doc = Parse(Header("33", "03", "0 ") + Record("\xA1\x0A" + block + "\xA3\x0A"));
  EXPECT_THAT(doc.lines, ElementsAre("A"));  // nothing after the block is read
  ASSERT_EQ(doc.pageGraphics.size(), 1u);
  EXPECT_EQ(doc.pageGraphics[0], std::string("1\x01\x23\x02\x00"
                                             "9\xFF\xFF\x00\x01",
                                             10));
}

TEST(WinBesTest, GraphicsWithoutTheMarkStillFillThePage) {
  const auto doc = Parse(Header("33", "03", "0 ") + Record(Block({Object(1, 0, 2, 1, 2)})));
  EXPECT_EQ(doc.hasGraphics, 0);
  EXPECT_EQ(doc.pageGraphics[0].size(), 5u);
}

TEST(WinBesTest, EndOfContentCodeEndsThePageAndTheNextRecordFollowsByLength) {
  const auto doc =
      Parse(Header("33", "02", "1 ") + Record("\xA1\x0A\xFF\xA3\x0A") + Record("\xA2\x0A\x0C\x0D"));
  EXPECT_THAT(doc.lines, ElementsAre("A", "1", ""));
  EXPECT_EQ(doc.pageCount, 2);
}

TEST(WinBesTest, NothingIsReadPastTheEndOfTheFile) {
  const std::string header = Header("33", "03", "2 ");
  // A record whose length runs past the end: what is there is read, and it is the last page.
  std::string cut = header + Record("\xA1\x0A\x0C\x0D");
  cut += std::string("\x40\x00\x00\xA3\x0A\xA2", 6);
  const auto doc = Parse(cut);
  EXPECT_THAT(doc.lines, ElementsAre("A", "  ", "", "B"));
  EXPECT_EQ(doc.pageCount, 2);
  EXPECT_EQ(doc.pageGraphics.size(), 2u);

  // A length field cut in half reads no page.
  EXPECT_EQ(Parse(header + "\x05").pageCount, 0);

  // Object records running past the end: the complete ones are kept.
  std::string block = Block({Object(1, 0, 1, 1, 1), Object(1, 0, 2, 2, 2)});
  block.resize(block.size() - 1);
  const auto graphics = Parse(header + std::string{'\xFF', '\x00', '\x00'} + block);
  ASSERT_EQ(graphics.pageGraphics.size(), 1u);
  EXPECT_EQ(graphics.pageGraphics[0], std::string("1\0\1\0\1", 5));
}

TEST(WinBesTest, GraphicsObjectsMustLieInTheirPageRecord) {
  // The block announces two objects; its record ends after the used fields of the second,
  // whose other bytes would be the next page's: that object is not read.
  const std::string block = Block({Object(1, 0, 1, 1, 1), Object(1, 0, 2, 2, 2)});
  const std::string first = Record(block.substr(0, 3 + 32 + 8));
  const std::string second = Record(std::string(30, '\xA0') + "\x0C\x0D");
  const auto doc = Parse(Header("33", "02", "1 ") + first + second);
  EXPECT_EQ(doc.pageCount, 2);
  EXPECT_EQ(doc.pageGraphics[0], std::string("1\0\1\0\1", 5));
  EXPECT_EQ(doc.pageGraphics[1], "");
}

TEST(WinBesTest, RecordShorterThanItsLengthFieldEndsTheDocument) {
  const std::string header = Header("33", "02", "9999 ");
  EXPECT_EQ(Parse(header + std::string(3, '\0')).pageCount, 0);
  const auto doc = Parse(header + Record("\xA1\x0A") + std::string("\x02\x00\x00\xA3\x0A", 5));
  EXPECT_EQ(doc.pageCount, 1);
  EXPECT_THAT(doc.lines, ElementsAre("A"));
  // A record of exactly its length field is an empty page.
  EXPECT_EQ(Parse(Header("33", "02", "1 ") + Record("") + Record("")).pageCount, 2);
}

}  // namespace
