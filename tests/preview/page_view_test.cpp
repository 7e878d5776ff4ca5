// Reading the pages before printing: Braille ASCII as Unicode braille, a page's lines and
// drawing as they will be embossed, and the sheets a job takes.
#include "preview/page_view.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "document/braille_document.h"
#include "preview/unicode_braille.h"
#include "print/sheet_count.h"
#include "printers/models.h"
#include "support/braille_files.h"
#include "support/encoder_run.h"

namespace test {
namespace {

using ::testing::ElementsAre;

document::BrailleDocument Base(int cells, int linesPerPage, const std::vector<std::string>& lines) {
  const std::string file = BaseFile(cells, linesPerPage, lines);
  return document::ParseBaseNab(std::vector<std::uint8_t>(file.begin(), file.end()));
}

// North American Braille ASCII in the order of the Unicode braille cells U+2800 to U+283F.
constexpr std::string_view kByCell =
    " A1B'K2L@CIF/MSP\"E3H9O6R^DJG>NTQ,*5<-U8V.%[$+X!&;:4\\0Z7(_?W]#Y)=";

TEST(UnicodeBrailleTest, BrailleAsciiCellsAndStandIns) {
  ASSERT_EQ(kByCell.size(), 64u);
  for (std::size_t i = 0; i < 64; ++i) {
    const auto c = static_cast<std::uint8_t>(kByCell[i]);
    EXPECT_EQ(preview::UnicodeCell(c), 0x2800 + i) << kByCell[i];
    if (c >= 0x40) {
      EXPECT_EQ(preview::UnicodeCell(static_cast<std::uint8_t>(c + 0x20)), 0x2800 + i)
          << "small " << kByCell[i];
    }
  }
  for (int b : {0x00, 0x09, 0x0C, 0x1F, 0x80, 0xA1, 0xFF})
    EXPECT_EQ(preview::UnicodeCell(static_cast<std::uint8_t>(b)), preview::kStandIn) << b;
  EXPECT_EQ(preview::UnicodeLine("AB c\x0C"), "⠁⠃⠀⠉\xEF\xBF\xBD");
}

TEST(PageViewTest, LinesAsEmbossedPaddedToThePageLength) {
  const auto doc = Base(32, 3, {"A  ", "", "ab\t", "#1", "X"});  // the last page is short
  EXPECT_THAT(preview::PageLines(doc, 1), ElementsAre("⠁", "⠀⠀", "⠁⠃"));
  EXPECT_THAT(preview::PageLines(doc, 2), ElementsAre("⠼⠂", "⠭", "⠀⠀"));
  EXPECT_THAT(preview::PageLines(doc, 3), ElementsAre("⠀⠀", "⠀⠀", "⠀⠀"));
  EXPECT_EQ(preview::PagePointCount(doc, 1), 0);
}

TEST(PageViewTest, DrawingPlacesCellDotsAndTheGraphicsPointsTheEmbosserGets) {
  document::BrailleDocument doc = Base(2, 2, {" L"});  // L: dots 1, 2, 3 of the second cell
  doc.pageGraphics = {""};
  document::AppendGraphicsEntry(doc.pageGraphics[0], '1', 100, 0);
  document::AppendGraphicsEntry(doc.pageGraphics[0], '2', 2000, 10);  // beyond the embosser
  EXPECT_EQ(preview::PagePointCount(doc, 1), 1);
  const preview::PageDrawing d = preview::DrawPage(doc, 1);
  ASSERT_EQ(d.dots.size(), 4u);
  for (int n = 0; n < 3; ++n) {
    EXPECT_DOUBLE_EQ(d.dots[n].x, d.dots[0].x);
    EXPECT_DOUBLE_EQ(d.dots[n].y - d.dots[0].y, 2.5 * n);
  }
  // The graphics origin is the first cell's first dot, one cell left of the L's.
  EXPECT_DOUBLE_EQ(d.dots[3].x - (d.dots[0].x - 6.0), 100 * 0.2);
  EXPECT_DOUBLE_EQ(d.dots[3].y, d.dots[0].y);
  EXPECT_GT(d.width, d.dots[3].x);  // the page takes the point in

  const std::string svg = preview::PagesSvg(doc, 1, 1);
  std::size_t circles = 0;
  for (std::size_t at = svg.find("<circle"); at != std::string::npos;
       at = svg.find("<circle", at + 1))
    ++circles;
  EXPECT_EQ(circles, 4u);
}

// Counted from the bytes: a job whose every page ends with a form feed takes a sheet a
// page, or a sheet for each front and back when the embosser prints both sides.
TEST(SheetCountTest, EveryModelAndSidesChoiceAgreesWithTheFormFeedsSent) {
  std::vector<std::string> lines(5 * 18, "ABC");
  const auto doc = Base(32, 18, lines);
  for (const printers::Model& model : printers::AllModels()) {
    for (int sides :
         {print::kSidesSingle, print::kSidesFront, print::kSidesBack, print::kSidesDouble}) {
      print::JobSpec spec = SpecFor(doc, std::string(model.name));
      spec.sides = sides;
      spec.copies = 3;
      const auto bytes = Encode(doc, spec);
      const auto feeds = std::count(bytes.begin(), bytes.end(), std::uint8_t{0x0C});
      const bool both = model.doubleSided;
      EXPECT_EQ(print::CountSheets(doc, spec), both ? (feeds + 1) / 2 : feeds)
          << model.name << " sides " << sides;
    }
  }
}

}  // namespace
}  // namespace test
