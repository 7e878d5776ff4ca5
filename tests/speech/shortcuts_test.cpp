// The hidden buttons' Alt keys, and Enter and Esc in the main dialog.
#include "res/resource.h"
#include "speech/sentences.h"
#include "support/braille_files.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

using ::testing::ElementsAre;

class ShortcutTest : public DialogTest {
 protected:
  void LoadBase(int linesPerPage, int lines = 40) {
    Browse(dir_.Write("doc.BSE",
                      BaseFile(32, linesPerPage,
                               std::vector<std::string>(static_cast<std::size_t>(lines), "AB"))));
  }
  int CheckedSides() {
    int checked = 0;
    for (int id : {res::kIdcSingle, res::kIdcFront, res::kIdcBack, res::kIdcDouble})
      checked += host().GetCheck(id);
    return checked;
  }
};

TEST_F(ShortcutTest, PrinterReadBack) {
  Start();
  host().PressAlt('1');
  EXPECT_EQ(clipboard_.Text(), "てんじプリンタが　せんたく　されていません");
  spooler_.AddPrinter("TEN-10 USB", "USB001");
  DestroyAndRestart();
  host().PressAlt('1');
  EXPECT_EQ(clipboard_.Text(), speech::PrinterSentence("TEN-10 USB", "USB001"));
}

TEST_F(ShortcutTest, FileAndRangeReadBacks) {
  StartWith("ESA721");
  host().PressAlt('3');
  EXPECT_EQ(clipboard_.Text(), "いんさつするファイルが　せんたく　されていません");
  host().PressAlt('5');
  EXPECT_EQ(clipboard_.Text(), "いんさつするファイルが　せんたく　されていません");

  LoadBase(22, 22 * 4 + 1);  // 5 pages
  host().PressAlt('3');
  EXPECT_EQ(clipboard_.Text(), speech::FileSentence(dlg().m_strFilePath, 32, 22, 5, "図形なし"));
  host().Type(res::kIdcStartPage, "3");
  host().Type(res::kIdcEndPage, "4");
  host().PressAlt('5');
  EXPECT_EQ(
      clipboard_.Text(),
      "いんさつする　はんいわ　3ページから　4ページまでの　全ページ　かためん　いんさつ　です");
}

TEST_F(ShortcutTest, FocusShortcutsMoveTheFocusSilently) {
  StartWith("TEN-10");
  const std::pair<char, int> keys[] = {{'2', res::kIdcPrinter},
                                       {'6', res::kIdcStartPage},
                                       {'7', res::kIdcEndPage},
                                       {'8', res::kIdcCopies}};
  for (const auto& [key, id] : keys) {
    host().PressAlt(key);
    EXPECT_EQ(host().GetFocus(), id) << key;
  }
  EXPECT_TRUE(clipboard_.History().empty());
}

TEST_F(ShortcutTest, AltFourFocusesBrowseThenOpensTheFileDialogOnce) {
  StartWith("TEN-10");
  host().PressAlt('6');
  host().PressAlt('4');
  EXPECT_EQ(files_.Showings(), 1);
  EXPECT_EQ(files_.LastTitle(), "印刷ファイル");
  EXPECT_EQ(host().GetFocus(), res::kIdcBrowse);
}

TEST_F(ShortcutTest, OptionsReadBackUsesTheMembersAsTheyAre) {
  StartWith("NABCC-SGL");
  host().PressAlt('9');
  EXPECT_EQ(clipboard_.Text(), "図形出力　チェックなし　改ページ出力　チェックあり");
}

struct SidesCase {
  std::string model;
  int linesPerPage;
  char key;
  std::string sentence;  // what is said
  int sides;             // m_nSides afterwards (-1: unchanged)
};

class SidesShortcutTest : public ShortcutTest, public ::testing::WithParamInterface<SidesCase> {};

TEST_P(SidesShortcutTest, AcceptsOrRefusesForModelAndDocument) {
  const SidesCase& c = GetParam();
  StartWith(c.model);
  LoadBase(c.linesPerPage);
  const int before = dlg().m_nSides;
  host().PressAlt(c.key);
  EXPECT_EQ(clipboard_.Text(), c.sentence);
  EXPECT_EQ(dlg().m_nSides, c.sides < 0 ? before : c.sides);
  EXPECT_EQ(CheckedSides(), 1);
  if (c.sides >= 0) {
    const int radio[] = {res::kIdcSingle, res::kIdcFront, res::kIdcBack, res::kIdcDouble};
    EXPECT_EQ(host().GetCheck(radio[c.sides]), 1);
  }
  EXPECT_EQ(ReadBytes(settingsPath_)[767], 1);
}

const std::string kSingle(speech::kSingleSet), kFront(speech::kFrontSet), kBack(speech::kBackSet),
    kDouble(speech::kDoubleSet), kPrinterPerSide(speech::kPrinterNoPerSide),
    kFilePerSide(speech::kFileNoPerSide), kPrinterDouble(speech::kPrinterNoDouble),
    kFileDouble(speech::kFileNoDouble);

INSTANTIATE_TEST_SUITE_P(
    Cases, SidesShortcutTest,
    ::testing::Values(
        SidesCase{"TEN-100", 18, 'S', kSingle, 0}, SidesCase{"NABCC-SGL", 22, 'S', kSingle, 0},
        SidesCase{"TEN-100", 18, 'O', kPrinterPerSide, -1},
        SidesCase{"TEN-10", 18, 'O', kPrinterPerSide, -1},
        SidesCase{"NABCC-DBL", 18, 'U', kPrinterPerSide, -1},
        SidesCase{"ESA721", 18, 'O', kFront, 1}, SidesCase{"NewESA721", 18, 'U', kBack, 2},
        SidesCase{"NABCC-SGL", 18, 'U', kBack, 2}, SidesCase{"ESA721", 22, 'O', kFilePerSide, -1},
        SidesCase{"NABCC-SGL", 24, 'U', kFilePerSide, -1},
        SidesCase{"TEN-10", 18, 'W', kPrinterDouble, -1},
        SidesCase{"NABCC-SGL", 18, 'W', kPrinterDouble, -1},
        SidesCase{"TEN-100", 18, 'W', kDouble, 3}, SidesCase{"NABCC-DBL", 18, 'W', kDouble, 3},
        // Accepted for a model that prints one side, though its radio is hidden.
        SidesCase{"ESA721", 18, 'W', kDouble, 3}, SidesCase{"TEN-100", 22, 'W', kFileDouble, -1}));

TEST_F(ShortcutTest, GraphicsSwitchesOnlyForGraphicsDocumentsOnCapableModels) {
  StartWith("NABCC-DBL");
  host().PressAlt('Z');
  EXPECT_EQ(clipboard_.Text(), speech::kPrinterNoGraphics);

  host().Choose(res::kIdcPrinter, PrinterOf().at("TEN-10"));
  host().PressAlt('Z');
  EXPECT_EQ(clipboard_.Text(), speech::kNoGraphicsData);  // nothing loaded yet
  LoadBase(22);
  host().PressAlt('Z');
  EXPECT_EQ(clipboard_.Text(), speech::kNoGraphicsData);

  Browse(dir_.Write("d.EDL", std::string("EDEL\n1ABCD\r")));
  host().PressAlt('Z');
  EXPECT_EQ(clipboard_.Text(), speech::kEdelGraphicsFixed);
  EXPECT_EQ(dlg().m_bGraphics, 1);

  Browse(dir_.Write("g.BES", WinBesWithGraphics({WinBesObject(1, 0, 1, 5, 5)})));
  ASSERT_EQ(dlg().m_bGraphics, 1);
  host().PressAlt('Z');
  EXPECT_EQ(clipboard_.Text(), speech::kGraphicsOff);
  EXPECT_EQ(dlg().m_bGraphics, 0);
  EXPECT_EQ(host().GetCheck(res::kIdcGraphics), 0);
  host().PressAlt('Z');
  EXPECT_EQ(clipboard_.Text(), speech::kGraphicsOn);
  EXPECT_EQ(host().GetCheck(res::kIdcGraphics), 1);
}

TEST_F(ShortcutTest, PageBreakSwitchesExceptOnTenModelsAndNeverSaves) {
  StartWith("TEN-100");
  host().PressAlt('K');
  EXPECT_EQ(clipboard_.Text(), speech::kPageBreakRequired);
  EXPECT_EQ(dlg().m_bPageBreak, 1);

  // ESA721 holds the box disabled and on, yet the key switches it.
  host().Choose(res::kIdcPrinter, PrinterOf().at("ESA721"));
  const auto before = ReadBytes(settingsPath_);
  host().PressAlt('K');
  EXPECT_EQ(clipboard_.Text(), speech::kPageBreakOff);
  EXPECT_EQ(dlg().m_bPageBreak, 0);
  EXPECT_EQ(host().GetCheck(res::kIdcPageBreak), 0);
  host().PressAlt('K');
  EXPECT_EQ(clipboard_.Text(), speech::kPageBreakOn);
  EXPECT_EQ(host().GetCheck(res::kIdcPageBreak), 1);
  EXPECT_EQ(dlg().m_bPageBreakSetting, 1);
  EXPECT_EQ(ReadBytes(settingsPath_), before);
}

TEST_F(ShortcutTest, EnterOnlyPressesTheFocusedPushButtons) {
  StartWith("TEN-10");
  host().SetFocus(res::kIdcStartPage);
  host().PressKey(platform::kVkReturn);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(host().Ended());
  host().SetFocus(res::kIdcPrinter);
  host().PressKey(platform::kVkReturn);
  EXPECT_FALSE(host().Ended());

  host().SetFocus(res::kIdcPrint);
  host().PressKey(platform::kVkReturn);
  EXPECT_THAT(Messages(), ElementsAre("ファイルが選択されていません"));

  host().SetFocus(res::kIdcBrowse);
  host().PressKey(platform::kVkReturn);
  EXPECT_EQ(files_.Showings(), 1);

  host().SetFocus(res::kIdcVersion);
  host().PressKey(platform::kVkReturn);
  EXPECT_THAT(windows_.ModalRuns(), ElementsAre(100));  // the about box

  host().SetFocus(res::kIdcClose);
  host().PressKey(platform::kVkReturn);
  EXPECT_TRUE(host().Ended());
  EXPECT_EQ(clipboard_.Text(), speech::kClosing);
}

TEST_F(ShortcutTest, EscMovesTheFocusToBrowseAndNeverEndsTheDialog) {
  StartWith("TEN-10");
  for (int id : {res::kIdcStartPage, res::kIdcPrinter, res::kIdcPrint, res::kIdcClose}) {
    host().SetFocus(id);
    host().PressKey(platform::kVkEscape);
    EXPECT_EQ(host().GetFocus(), res::kIdcBrowse);
    EXPECT_FALSE(host().Ended());
  }
  EXPECT_TRUE(clipboard_.History().empty());
}

}  // namespace
}  // namespace test
