// What the filter alone decides: the formats CUPS hands it, CUPS's page ranges and option
// spellings, documents it cannot read, and a printer description without a model.
#include "filter/filter_job.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/braille_files.h"

namespace {

using filter::Format;

// A 5-page BASE document of 22-line pages.
const std::string& FivePages() {
  static const std::string bytes = [] {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "LINE\n";
    return test::BaseFile("3222", text);
  }();
  return bytes;
}

filter::FilterPlan Plan(const std::string& model, std::optional<Format> format,
                        const std::string& bytes, filter::JobChoices choices = {}) {
  filter::FilterRequest request;
  request.model = model;
  request.format = format;
  request.documentName = "/spool/d00007-001";
  request.bytes = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  request.choices = std::move(choices);
  return filter::PlanJob(request);
}

// Unlike the dialog's file selection, any letter case: CUPS typed the file already.
TEST(FilterFormatTest, AJobsNameChoosesTheReaderInAnyLetterCase) {
  EXPECT_EQ(filter::FormatOfName("/home/a/Doc.Bse"), Format::kBase);
  EXPECT_EQ(filter::FormatOfName("x.nAB"), Format::kNab);
  EXPECT_EQ(filter::FormatOfName("dir.bes/x.EDL"), Format::kEdel);
  EXPECT_EQ(filter::FormatOfName("dir.bes/noext"), std::nullopt);
  EXPECT_EQ(filter::FormatOfName("x.txt"), std::nullopt);
}

TEST(FilterPlanTest, PageRangesTakeOneRangeWithOpenEndsAsCupsSendsThem) {
  struct Case {
    const char* ranges;
    int start;
    int end;
  };
  for (const Case& c : {Case{"2-4", 2, 4}, Case{"3", 3, 3}, Case{"3-", 3, 5}, Case{"-2", 1, 2},
                        Case{"4-2147483647", 4, 5}}) {
    SCOPED_TRACE(c.ranges);
    const auto plan = Plan("ESA721", Format::kBase, FivePages(), {.pageRanges = c.ranges});
    ASSERT_FALSE(plan.refusal) << *plan.refusal;
    EXPECT_EQ(plan.spec.startPage, c.start);
    EXPECT_EQ(plan.spec.endPage, c.end);
  }
  EXPECT_EQ(Plan("ESA721", Format::kBase, FivePages(), {.pageRanges = "1-2,4-5"}).refusal,
            "印刷範囲は 1 つだけ指定してください");
  EXPECT_EQ(Plan("ESA721", Format::kBase, FivePages(), {.pageRanges = "a-3"}).refusal,
            "入力は半角数字を使用してください");
  EXPECT_EQ(Plan("ESA721", Format::kBase, FivePages(), {.pageRanges = "2-6"}).refusal,
            "印刷終了頁がファイル最終頁より大きいです");
}

TEST(FilterPlanTest, OptionValuesAreReadInAnyCaseAndUnknownOnesRefused) {
  const auto plan = Plan("NABCC-SGL", Format::kBase, FivePages(),
                         {.sides = "SINGLE", .graphics = "auto", .pageBreak = "false"});
  ASSERT_FALSE(plan.refusal) << *plan.refusal;
  EXPECT_FALSE(plan.spec.pageBreak);
  EXPECT_TRUE(Plan("NABCC-SGL", Format::kBase, FivePages(), {.pageBreak = "no"}).refusal ==
              std::nullopt);
  EXPECT_FALSE(Plan("NABCC-SGL", Format::kBase, FivePages(), {.pageBreak = "no"}).spec.pageBreak);

  EXPECT_EQ(Plan("TEN-100", Format::kBase, FivePages(), {.sides = "triple"}).refusal,
            "オプション VarnelSides の値「triple」は使えません");
  EXPECT_EQ(Plan("TEN-100", Format::kBase, FivePages(), {.graphics = "maybe"}).refusal,
            "オプション VarnelGraphics の値「maybe」は使えません");
  EXPECT_EQ(Plan("TEN-100", Format::kBase, FivePages(), {.pageBreak = ""}).refusal,
            "オプション VarnelPageBreak の値「」は使えません");

  // A print dialog's "odd pages only" is refused, pointing to the sides choice.
  EXPECT_FALSE(Plan("NABCC-SGL", Format::kBase, FivePages(), {.pageSet = "All"}).refusal);
  for (const char* set : {"odd", "even"}) {
    EXPECT_EQ(Plan("NABCC-SGL", Format::kBase, FivePages(), {.pageSet = set}).refusal,
              "オプション page-set の値「" + std::string(set) +
                  "」は使えません（表の頁・裏の頁だけは VarnelSides=front、VarnelSides=back "
                  "で選びます）");
  }
}

TEST(FilterPlanTest, DocumentsThatCannotBeReadAreRefusedWithTheDialogsMessages) {
  filter::FilterRequest request;
  request.model = "TEN-10";
  request.format = Format::kWinBes;
  request.documentName = "/spool/d00007-001";
  request.read = filter::ReadOutcome::kCannotOpen;
  EXPECT_EQ(filter::PlanJob(request).refusal,
            "/spool/d00007-001\n\nファイルのオープンに失敗しました。");
  request.read = filter::ReadOutcome::kTooLarge;
  EXPECT_EQ(filter::PlanJob(request).refusal,
            "サイズが１Ｍ バイト 以上の大きいファイルは開けません。");

  EXPECT_EQ(Plan("TEN-10", std::nullopt, "plain text\n").refusal, "この形式のファイルは開けません");
}

TEST(FilterPlanTest, APrinterDescriptionWithoutAModelPrintsNothing) {
  for (const char* model : {"", "TEN-1000", "ten-100"}) {
    EXPECT_EQ(Plan(model, Format::kBase, FivePages()).refusal,
              "プリンタの説明に点字プリンタの機種がありません");
  }
}

TEST(FilterPlanTest, CopiesComeFromCupsAndAreMadeByTheJob) {
  const auto plan = Plan("ESA721", Format::kBase, FivePages(), {.copies = "3"});
  ASSERT_FALSE(plan.refusal);
  EXPECT_EQ(plan.spec.copies, 3);
  EXPECT_FALSE(plan.spec.pacePort);
}

}  // namespace
