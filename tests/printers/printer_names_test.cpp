// Which printer names are embossers, and which model each name stands for.
#include "printers/printer_names.h"

#include <gtest/gtest.h>

namespace {

using printers::ClassifyModelName;
using printers::IsListedEmbosserName;

struct NameCase {
  const char* name;
  bool listed;
  const char* model;
};

class PrinterNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PrinterNameTest, ListingAndModel) {
  const NameCase& c = GetParam();
  EXPECT_EQ(IsListedEmbosserName(c.name), c.listed) << c.name;
  EXPECT_EQ(ClassifyModelName(c.name), c.model) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, PrinterNameTest,
    ::testing::Values(
        NameCase{"ＴＥＮ１００", true, "TEN-100"},  // full-width variants
        NameCase{"TEN-10 ESA721", true, "TEN-10"},  // a TEN pair wins over an ESA pair
        NameCase{"TEN-100 USB", true, "TEN-100"},   // "100" holds "10": tested first
        NameCase{"ten10", true, "TEN-10"}, NameCase{"ESA721 New", true, "NewESA721"},
        NameCase{"NEWESA721", true, "NewESA721"},
        NameCase{"ｎｅｗ ｅｓａ ７２１", true, "NewESA721"}, NameCase{"ESA 721", true, "ESA721"},
        NameCase{"Esa721", false, "NABCC-SGL"},  // no mixed capitals
        NameCase{"Ten 10", false, "NABCC-SGL"},
        NameCase{"ＴＥＮ10", true, "TEN-10"},      // one group full-width, the other not
        NameCase{"ＴEＮ10", false, "NABCC-SGL"},   // a word mixing widths is no variant
        NameCase{"Attention 10", true, "TEN-10"},  // substrings inside words count
        NameCase{"点字 両面", true, "NABCC-DBL"}, NameCase{"点字 片面", true, "NABCC-SGL"},
        NameCase{"点字 片面 両面", true, "NABCC-DBL"},  // both marks
        NameCase{"ESA printer", false, "NABCC-SGL"},    // ESA without 721
        NameCase{"New 721", false, "NABCC-SGL"},        // NEW only counts with an ESA pair
        NameCase{"", false, "NABCC-SGL"}, NameCase{"Office laser", false, "NABCC-SGL"}));

TEST(PortTest, EveryColonIsRemoved) {
  EXPECT_EQ(printers::RemoveColons("LPT1:"), "LPT1");
  EXPECT_EQ(printers::RemoveColons("LPT1:,LPT2:"), "LPT1,LPT2");
  EXPECT_EQ(printers::RemoveColons("USB001"), "USB001");
  EXPECT_EQ(printers::RemoveColons("usb://Maker/Model%20T10?serial=A1"),
            "usb//Maker/Model%20T10?serial=A1");
}

}  // namespace
