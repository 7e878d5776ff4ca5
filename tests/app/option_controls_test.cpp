// The sides radios, the check boxes, the numeric edits and the printer box.
#include "res/resource.h"
#include "support/braille_files.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

using ::testing::ElementsAre;

class OptionControlsTest : public DialogTest {
 protected:
  void SetUp() override {
    spooler_.AddPrinter("点字 片面", "COM1:");
    spooler_.AddPrinter("TEN-10 USB", "USB001");
  }
  // Starts with the single-sided embosser chosen, whose options are all free.
  void StartOnSingleSided() {
    Start();
    host().Choose(res::kIdcPrinter, "点字 片面");
  }
  // An 18-line document, so that every sides radio is on offer for a single-sided model.
  void LoadEighteenLinePages(int pages) {
    Browse(dir_.Write(
        "doc.BSE",
        BaseFile(32, 18, std::vector<std::string>(static_cast<std::size_t>(pages) * 18, "ABC"))));
  }
};

TEST_F(OptionControlsTest, RadioClickChecksOnlyItselfWithoutSpeechOrSave) {
  StartOnSingleSided();
  LoadEighteenLinePages(4);
  const auto before = ReadBytes(settingsPath_);
  ASSERT_TRUE(host().Click(res::kIdcBack));
  EXPECT_EQ(dlg().m_nSides, 2);
  EXPECT_EQ(host().GetCheck(res::kIdcBack), 1);
  for (int id : {res::kIdcSingle, res::kIdcFront, res::kIdcDouble})
    EXPECT_EQ(host().GetCheck(id), 0) << id;
  EXPECT_TRUE(clipboard_.History().empty());
  EXPECT_EQ(ReadBytes(settingsPath_), before);
  host().Click(res::kIdcFront);
  EXPECT_EQ(dlg().m_nSides, 1);
  host().Click(res::kIdcSingle);
  EXPECT_EQ(dlg().m_nSides, 0);
}

TEST_F(OptionControlsTest, PageBreakClickSavesAtOnceGraphicsClickDoesNot) {
  StartOnSingleSided();
  host().Click(res::kIdcPageBreak);  // on -> off
  EXPECT_EQ(dlg().m_bPageBreak, 0);
  EXPECT_EQ(dlg().m_bPageBreakSetting, 0);
  EXPECT_EQ(ReadBytes(settingsPath_)[767], 0);
  host().Click(res::kIdcPageBreak);
  EXPECT_EQ(ReadBytes(settingsPath_)[767], 1);

  const auto before = ReadBytes(settingsPath_);
  host().EnableControl(res::kIdcGraphics, true);
  host().Click(res::kIdcGraphics);
  EXPECT_EQ(dlg().m_bGraphics, 1);
  EXPECT_EQ(ReadBytes(settingsPath_), before);
}

TEST_F(OptionControlsTest, NonDigitTextIsRefusedOnceAndReset) {
  Start();
  LoadEighteenLinePages(12);
  host().Type(res::kIdcStartPage, "１");  // a full-width digit
  EXPECT_THAT(Messages(), ElementsAre("入力は半角数字を使用してください"));
  EXPECT_EQ(windows_.MessageBoxes()[0].type, 0u);
  EXPECT_EQ(host().GetText(res::kIdcStartPage), "1");
  EXPECT_EQ(dlg().m_nStartPage, 1);

  host().Paste(res::kIdcEndPage, "3a");
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_EQ(host().GetText(res::kIdcEndPage), "12");
  EXPECT_EQ(dlg().m_nEndPage, 12);

  host().Type(res::kIdcCopies, "x");
  EXPECT_EQ(host().GetText(res::kIdcCopies), "1");
  EXPECT_EQ(dlg().m_nCopies, 1);
}

TEST_F(OptionControlsTest, EndPageResetBeforeAnyDocumentIsZero) {
  Start();
  host().Paste(res::kIdcEndPage, "3a");
  EXPECT_EQ(host().GetText(res::kIdcEndPage), "0");
  EXPECT_EQ(dlg().m_nEndPage, 0);
}

TEST_F(OptionControlsTest, EmptyTextIsZeroAndHugeNumbersSaturate) {
  Start();
  host().Type(res::kIdcCopies, "");
  EXPECT_EQ(dlg().m_nCopies, 0);
  EXPECT_TRUE(Messages().empty());
  host().Type(res::kIdcCopies, "99999999999999999999999");
  EXPECT_EQ(dlg().m_nCopies, 2147483647);
  host().Type(res::kIdcStartPage, "2147483648");
  EXPECT_EQ(dlg().m_nStartPage, 2147483647);
  host().Type(res::kIdcStartPage, "0000000000000000000000000042");
  EXPECT_EQ(dlg().m_nStartPage, 42);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(OptionControlsTest, ChoosingAPrinterLooksUpClassifiesSavesAndAppliesRules) {
  Start();
  ASSERT_EQ(dlg().m_strPrinterName, "TEN-10 USB");  // sorted first
  EXPECT_FALSE(host().IsControlEnabled(res::kIdcPageBreak));
  host().Choose(res::kIdcPrinter, "点字 片面");
  EXPECT_EQ(dlg().m_strPrinterName, "点字 片面");
  EXPECT_EQ(dlg().m_strPort, "COM1");
  EXPECT_EQ(host().GetText(res::kIdcPort), "COM1");
  EXPECT_EQ(dlg().m_strModel, "NABCC-SGL");
  EXPECT_TRUE(clipboard_.History().empty());
  auto record = ReadBytes(settingsPath_);
  EXPECT_EQ(std::string(record.begin() + 752, record.begin() + 763), "NABCC-SGL\r\n");

  ASSERT_TRUE(host().Click(res::kIdcPageBreak));  // the preference off
  host().Choose(res::kIdcPrinter, "TEN-10 USB");
  EXPECT_FALSE(host().IsControlEnabled(res::kIdcPageBreak));
  EXPECT_EQ(host().GetCheck(res::kIdcPageBreak), 1);
  EXPECT_EQ(dlg().m_bPageBreak, 1);
  record = ReadBytes(settingsPath_);
  EXPECT_EQ(record[767], 0);  // the preference, not the forced state

  // Leaving a forced model does not undo the force.
  host().Choose(res::kIdcPrinter, "点字 片面");
  EXPECT_TRUE(host().IsControlEnabled(res::kIdcPageBreak));
  EXPECT_EQ(host().GetCheck(res::kIdcPageBreak), 1);
  EXPECT_EQ(dlg().m_bPageBreak, 1);
}

TEST_F(OptionControlsTest, RangeReadBackReadsTheRadioGroupsInTemplateOrder) {
  StartOnSingleSided();
  LoadEighteenLinePages(2);
  host().Click(res::kIdcBack);
  host().PressAlt('5');
  EXPECT_EQ(dlg().m_nRadioFront, 1);   // 1012, [1013], 1022
  EXPECT_EQ(dlg().m_nRadioSingle, 2);  // 1021, 1012, [1013], 1022
  EXPECT_EQ(dlg().m_nRadioBack, 0);    // [1013], 1022
  EXPECT_EQ(dlg().m_strStartPage, "1");
  EXPECT_EQ(dlg().m_strEndPage, "2");
  EXPECT_EQ(dlg().m_strCopies, "1");
}

}  // namespace
}  // namespace test
