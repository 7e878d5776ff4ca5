// The format table: which format an extension, a CUPS type or the leading bytes name.
#include "document/formats.h"

#include <gtest/gtest.h>

namespace {

using document::Format;

TEST(FormatTableTest, TypesExtensionsAndSignaturesNameTheFormat) {
  EXPECT_EQ(document::FormatOfType("application/x-braille-base"), Format::kBase);
  EXPECT_EQ(document::FormatOfType("application/x-braille-nab"), Format::kNab);
  EXPECT_EQ(document::FormatOfType("application/x-braille-winbes"), Format::kWinBes);
  EXPECT_EQ(document::FormatOfType("application/x-braille-edel"), Format::kEdel);
  EXPECT_EQ(document::FormatOfType("text/plain"), std::nullopt);

  // The dialog reads all capitals or all small letters; the filter any letter case.
  EXPECT_EQ(document::FormatOfExtension("bes"), Format::kWinBes);
  EXPECT_EQ(document::FormatOfExtension("Bes"), std::nullopt);
  EXPECT_EQ(document::FormatOfExtensionAnyCase("Bes"), Format::kWinBes);
  EXPECT_TRUE(document::IsDrawingExtension("edl"));
  EXPECT_FALSE(document::IsDrawingExtension("Edl"));

  const auto content = [](std::string_view s) {
    return document::FormatOfContent(
        std::span(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()));
  };
  EXPECT_EQ(content("%BET4 and more"), Format::kWinBes);
  EXPECT_EQ(content("%BET3"), Format::kWinBes);  // the reader then names the version
  EXPECT_EQ(content("EDEL"), Format::kEdel);
  EXPECT_EQ(content("EDE"), std::nullopt);
  EXPECT_EQ(content(""), std::nullopt);
}

}  // namespace
