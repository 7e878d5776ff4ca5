// A job's title on the CUPS scheduler: the document's path, at most 255 bytes of
// well-formed UTF-8, never cut inside a character.
#include <gtest/gtest.h>

#include <string>

#include "platform/cups/cups_spooler.h"
#include "platform/text/utf8.h"

namespace {

using platform::cups::JobTitle;

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string s;
  for (std::size_t i = 0; i < times; ++i) s += piece;
  return s;
}

TEST(CupsTitle, KeepsShortPathsAsTheyAre) {
  EXPECT_EQ(JobTitle(""), "");
  EXPECT_EQ(JobTitle("/home/user/点字　文書/sample.BSE"), "/home/user/点字　文書/sample.BSE");
  const std::string exact = Repeat("a", 255);
  EXPECT_EQ(JobTitle(exact), exact);
  const std::string fourByte = Repeat("\xF0\x9F\x93\x84", 63) + "abc";  // 255 bytes
  EXPECT_EQ(JobTitle(fourByte), fourByte);
}

TEST(CupsTitle, CutsLongPathsAtCharacterBoundaries) {
  EXPECT_EQ(JobTitle(Repeat("a", 256)), Repeat("a", 255));
  // 85 three-byte characters fill 255 bytes exactly; the 86th is left out whole.
  EXPECT_EQ(JobTitle(Repeat("点", 86)), Repeat("点", 85));
  // Offsets 1 and 2 before the limit: the character that does not fit goes entirely.
  EXPECT_EQ(JobTitle("a" + Repeat("点", 90)), "a" + Repeat("点", 84));
  EXPECT_EQ(JobTitle("ab" + Repeat("点", 90)), "ab" + Repeat("点", 84));
  EXPECT_EQ(JobTitle("abc" + Repeat("\xF0\x9F\x93\x84", 70)),
            "abc" + Repeat("\xF0\x9F\x93\x84", 63));
  for (std::size_t lead = 0; lead < 8; ++lead) {
    const std::string title = JobTitle(Repeat("x", lead) + Repeat("両\xF0\x9F\x93\x84é", 40));
    EXPECT_LE(title.size(), 255u) << lead;
    EXPECT_GE(title.size(), 252u) << lead;
    EXPECT_TRUE(platform::IsValidUtf8(title)) << lead;
  }
}

TEST(CupsTitle, ReplacesBytesTheSchedulerWouldRefuse) {
  // A path in Shift-JIS (点字 as 93 5F 8E 9A) is no UTF-8; control characters are no name.
  EXPECT_EQ(JobTitle("/mnt/\x93\x5F\x8E\x9A.BSE"), "/mnt/\uFFFD_\uFFFD\uFFFD.BSE");
  EXPECT_EQ(JobTitle("a\nb\tc\x7F"), "a\uFFFDb\uFFFDc\uFFFD");
  // Truncated, overlong and surrogate sequences.
  EXPECT_EQ(JobTitle("x\xE7\x82"), "x\uFFFD\uFFFD");
  EXPECT_EQ(JobTitle("\xC0\xAF"), "\uFFFD\uFFFD");
  EXPECT_EQ(JobTitle("\xED\xA0\x80"), "\uFFFD\uFFFD\uFFFD");
  // Replacements count towards the limit, and the result is still cut at a boundary.
  const std::string title = JobTitle(Repeat("\xFF", 100));
  EXPECT_EQ(title, Repeat("\uFFFD", 85));
}

}  // namespace
