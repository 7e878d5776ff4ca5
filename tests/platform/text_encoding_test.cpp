// Code page 932 and UTF-8 helpers.
#include <gtest/gtest.h>

#include "platform/text/cp932.h"
#include "platform/text/utf8.h"

namespace {

using platform::cp932::FromUtf8;
using platform::cp932::PrefixAtCharBoundary;
using platform::cp932::ToUtf8;

TEST(Cp932Test, RoundTripsJapaneseAndHalfWidthKana) {
  const std::string text = "点字　両面 ﾊﾞｰｼﾞｮﾝ ESA721 ～";
  const auto bytes = FromUtf8(text);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->substr(0, 6), "\x93\x5F\x8E\x9A\x81\x40");
  EXPECT_EQ(ToUtf8(*bytes), text);
}

TEST(Cp932Test, TextWithoutACodeIsRefused) {
  EXPECT_FALSE(FromUtf8("emoji 😀"));
  EXPECT_FALSE(FromUtf8("invalid \xff"));
  EXPECT_EQ(FromUtf8(""), std::string());
}

TEST(Cp932Test, BrokenBytesBecomeReplacementCharacters) {
  EXPECT_EQ(ToUtf8("A\x81"), "A\xEF\xBF\xBD");  // a lead byte at the end
  EXPECT_EQ(ToUtf8("\xA0Z"), "\xEF\xBF\xBDZ");  // no character at 0xA0
  EXPECT_EQ(ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932Test, PrefixNeverEndsInsideACharacter) {
  const std::string two = "\x93\x5F\x8E\x9A";  // 点字
  EXPECT_EQ(PrefixAtCharBoundary(two, 4), 4u);
  EXPECT_EQ(PrefixAtCharBoundary(two, 3), 2u);
  EXPECT_EQ(PrefixAtCharBoundary("A" + two, 4), 3u);
  EXPECT_EQ(PrefixAtCharBoundary("\x93", 5), 0u);  // a lead byte without its trail
  EXPECT_EQ(PrefixAtCharBoundary("ABC", 0), 0u);
}

TEST(Utf8Test, ValidityAndPrefixes) {
  EXPECT_TRUE(platform::IsValidUtf8("点字 abc"));
  EXPECT_FALSE(platform::IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(platform::IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(platform::IsValidUtf8("\xE7\x82"));          // cut short
  EXPECT_FALSE(platform::IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_EQ(platform::Utf8Prefix("点字", 5), "点");
  EXPECT_EQ(platform::Utf8Prefix("点字", 6), "点字");
  EXPECT_EQ(platform::Utf8Prefix("a点", 2), "a");
}

}  // namespace
