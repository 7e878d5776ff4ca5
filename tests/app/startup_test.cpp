// Start-up, the Close button and the close box, on the headless host.
#include "platform/file_io.h"
#include "res/resource.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

using ::testing::ElementsAre;

class StartupTest : public DialogTest {};

TEST_F(StartupTest, FirstStartWritesDefaultRecordAndPicksFirstListedPrinter) {
  spooler_.AddPrinter("ESA721 LPT", "LPT1:");
  spooler_.AddPrinter("Office laser", "USB001");
  spooler_.AddPrinter("TEN-10 USB", "USB002:");
  Start();

  // The list holds the embossers only, sorted; the first becomes the printer.
  EXPECT_THAT(host().ComboItems(res::kIdcPrinter), ElementsAre("ESA721 LPT", "TEN-10 USB"));
  EXPECT_EQ(dlg().m_strPrinterName, "ESA721 LPT");
  EXPECT_EQ(host().ComboSelection(res::kIdcPrinter), 0);
  EXPECT_EQ(dlg().m_strPort, "LPT1");
  EXPECT_EQ(host().GetText(res::kIdcPort), "LPT1");
  EXPECT_EQ(dlg().m_strModel, "ESA721");
  // A missing file starts with page breaks on, though the record written says off.
  EXPECT_EQ(dlg().m_bPageBreak, 1);
  EXPECT_EQ(host().GetCheck(res::kIdcPageBreak), 1);
  const std::vector<std::uint8_t> record = ReadBytes(settingsPath_);
  ASSERT_EQ(record.size(), 1024u);
  std::vector<std::uint8_t> expected(1024, 0);
  expected[0] = 0x0D;
  expected[1] = 0x0A;
  expected[256] = 0x0D;
  expected[257] = 0x0A;
  EXPECT_EQ(record, expected) << Hex(record);
}

TEST_F(StartupTest, RangeEditsShowZeroFocusOnBrowseNothingSpoken) {
  Start();
  for (int id : {res::kIdcStartPage, res::kIdcEndPage, res::kIdcCopies})
    EXPECT_EQ(host().GetText(id), "0") << id;
  EXPECT_EQ(dlg().m_nStartPage, 0);
  EXPECT_EQ(dlg().m_nEndPage, 0);
  EXPECT_EQ(dlg().m_nCopies, 0);
  EXPECT_EQ(host().GetFocus(), res::kIdcBrowse);
  EXPECT_EQ(host().Title(), "Varnel");
  EXPECT_EQ(host().Icon(), res::kIconProgram);
  EXPECT_TRUE(clipboard_.History().empty());
  EXPECT_TRUE(Messages().empty());
  // Every radio was cleared by the first data exchange; the sides rule checks 1021.
  EXPECT_EQ(host().GetCheck(res::kIdcSingle), 1);
  EXPECT_EQ(dlg().m_nSides, 0);
}

TEST_F(StartupTest, WindowMenuGetsTheAboutEntry) {
  Start();
  ASSERT_EQ(host().SystemMenuItems().size(), 1u);
  EXPECT_EQ(host().SystemMenuItems()[0].first, 0x10);
  EXPECT_EQ(host().SystemMenuItems()[0].second, "Varnel のﾊﾞｰｼﾞｮﾝ情報(&A)...");
  host().SystemMenu(0x10);
  EXPECT_THAT(windows_.ModalRuns(), ElementsAre(res::kIddAbout));
}

TEST_F(StartupTest, EnumerationFailureIsReportedTwiceAndTheDialogStillOpens) {
  spooler_.FailEnumeration(true);
  Start();
  EXPECT_THAT(Messages(), ElementsAre("プリンタの列挙に失敗", "プリンタの列挙に失敗"));
  EXPECT_EQ(windows_.MessageBoxes()[0].caption, "Varnel");
  EXPECT_EQ(windows_.MessageBoxes()[0].type, 0u);
  EXPECT_EQ(dlg().m_strModel, "NABCC-SGL");
  EXPECT_EQ(host().GetFocus(), res::kIdcBrowse);
}

TEST_F(StartupTest, CloseButtonAnnouncesSavesAndEndsWithOk) {
  spooler_.AddPrinter("TEN-10 USB", "USB001");
  Start();
  std::filesystem::remove(settingsPath_);
  dir_.Write("Varnel.ini", std::vector<std::uint8_t>(1024, 0));
  host().Click(res::kIdcClose);
  EXPECT_EQ(clipboard_.Text(), "Varnelを終了します");
  EXPECT_TRUE(host().Ended());
  EXPECT_EQ(host().Result(), 1);
  const auto record = ReadBytes(settingsPath_);
  EXPECT_EQ(std::string(record.begin() + 512, record.begin() + 524), "TEN-10 USB\r\n");
}

TEST_F(StartupTest, CloseBoxEndsWithoutSentenceOrSave) {
  spooler_.AddPrinter("TEN-10 USB", "USB001");
  Start();
  const auto before = ReadBytes(settingsPath_);
  host().CloseBox();
  EXPECT_TRUE(host().Ended());
  EXPECT_EQ(host().Result(), 2);
  EXPECT_TRUE(clipboard_.History().empty());
  EXPECT_EQ(ReadBytes(settingsPath_), before);
}

TEST_F(StartupTest, VersionButtonOpensAboutBoxWhoseLinkOpensTheBrowser) {
  Start();
  windows_.OnModal(res::kIddAbout, [](platform::HeadlessHost& about) {
    EXPECT_EQ(about.Title(), "Varnelのﾊﾞｰｼﾞｮﾝ情報");
    about.Click(res::kIdcHomePage);
  });
  host().Click(res::kIdcVersion);
  EXPECT_THAT(windows_.ModalRuns(), ElementsAre(res::kIddAbout));
  ASSERT_EQ(shell_.Opened().size(), 1u);
  EXPECT_EQ(shell_.Opened()[0].rfind("https://", 0), 0u);
}

}  // namespace
}  // namespace test
