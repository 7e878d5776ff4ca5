// Choosing a file through the Browse button: dispatch by extension, refusals, the fields
// shown, the range reset, and what a failed read leaves behind.
#include <sys/stat.h>

#include "res/resource.h"
#include "support/braille_files.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

using ::testing::ElementsAre;

std::string Base(const std::string& geometry, int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += "AB\n";
  return BaseFile(geometry, text);
}

class BrowseTest : public DialogTest {
 protected:
  void SetUp() override {
    spooler_.AddPrinter("TEN-10 USB", "USB001");
    Start();
  }
  std::vector<std::string> Fields() {
    return {host().GetText(res::kIdcFileName), host().GetText(res::kIdcCharsPerLine),
            host().GetText(res::kIdcLinesPerPage), host().GetText(res::kIdcPageCount),
            host().GetText(res::kIdcGraphicsInfo)};
  }
};

TEST_F(BrowseTest, OpenDialogHasTitleAndFilter) {
  host().Click(res::kIdcBrowse);
  EXPECT_EQ(files_.LastTitle(), "印刷ファイル");
  EXPECT_EQ(
      files_.LastFilter(),
      "点字データ(*.BSE *.BES *.NAB *.EDL)|*.BSE;*.BES;*.NAB;*.EDL|ＢＡＳＥデータ(*.BSE)|*.BSE|"
      "Win-BESデータ(*.BES)|*.BES|コータクン・データ(*.NAB)|*.NAB|エーデル・データ(*.EDL)|*.EDL|"
      "全てのファイル(*.*)|*.*||");
}

TEST_F(BrowseTest, CancelChangesNothing) {
  const auto fields = Fields();
  host().Click(res::kIdcBrowse);
  EXPECT_EQ(Fields(), fields);
  EXPECT_TRUE(dlg().m_strFilePath.empty());
}

TEST_F(BrowseTest, BaseFileShowsGeometryAndResetsRangeAndCopies) {
  const std::string path = dir_.Write("doc.BSE", Base("3222", 22 * 4 + 3));
  host().Type(res::kIdcCopies, "7");
  Browse(path);
  EXPECT_EQ(Fields(), (std::vector<std::string>{path, "32", "22", "5", "図形なし"}));
  EXPECT_EQ(host().GetText(res::kIdcStartPage), "1");
  EXPECT_EQ(host().GetText(res::kIdcEndPage), "5");
  EXPECT_EQ(host().GetText(res::kIdcCopies), "1");
  EXPECT_EQ(dlg().m_nStartPage, 1);
  EXPECT_EQ(dlg().m_nEndPage, 5);
  EXPECT_EQ(dlg().m_nCopies, 1);
  EXPECT_EQ(dlg().m_strFileExt, "BSE");
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(clipboard_.History().empty());
}

// The extension of the file's own name, in the format table's exact case.
TEST_F(BrowseTest, ExtensionsSelectReadersByExactCase) {
  Browse(dir_.Write("doc.nab", Base("3218", 18)));
  EXPECT_EQ(host().GetText(res::kIdcLinesPerPage), "18");
  EXPECT_TRUE(Messages().empty());

  for (const char* name : {"doc.Bse", "doc.txt", "noextension", "dir.BSE/file"}) {
    Browse(dir_.Write(name == std::string("dir.BSE/file") ? "plain" : name, std::string("x")));
  }
  EXPECT_THAT(Messages(),
              ElementsAre("この形式のファイルは開けません", "この形式のファイルは開けません",
                          "この形式のファイルは開けません", "この形式のファイルは開けません"));
  EXPECT_EQ(windows_.MessageBoxes()[0].type, 0x10u);
}

// A file that could not be read leaves no document, not the previous file's page count
// under the failed file's name: Print then has nothing to emboss.
TEST_F(BrowseTest, FailedChoiceLeavesNoDocumentToPrint) {
  const std::vector<std::string> empty{"", "0", "0", "0", "図形なし"};
  const std::string bad[] = {dir_.Write("bad.BES", std::string("%BET3") + std::string(2000, ' ')),
                             dir_.Write("bad.EDL", std::string("EDEX")), dir_.File("gone.NAB"),
                             dir_.Write("letter.txt", std::string("x"))};
  for (const std::string& path : bad) {
    Browse(dir_.Write("good.BES", WinBesHeader("33", "18", "0 ", true) +
                                      WinBesRecord("\xA1\x0C\x0D") + WinBesRecord("\xA1\x0D")));
    const std::size_t messages = Messages().size();
    Browse(path);
    ASSERT_EQ(Messages().size(), messages + 1) << path;
    EXPECT_EQ(Fields(), empty) << path;
    EXPECT_TRUE(dlg().m_strFilePath.empty()) << path;
    EXPECT_TRUE(dlg().m_arrLines.empty()) << path;
    EXPECT_TRUE(dlg().m_arrPageGraphics.empty()) << path;
    EXPECT_EQ(dlg().m_bDocHasGraphics, 0) << path;

    host().PressAlt('3');
    EXPECT_EQ(clipboard_.Text(), "いんさつするファイルが　せんたく　されていません") << path;
    host().Click(res::kIdcPrint);
    EXPECT_EQ(Messages().back(), "ファイルが選択されていません") << path;
    EXPECT_TRUE(spooler_.Jobs().empty()) << path;
  }
}

TEST_F(BrowseTest, EdelFileIsOnePageOfGraphicsOnly) {
  host().Type(res::kIdcEndPage, "9");
  Browse(dir_.Write("d.EDL", std::string("EDEL\n1ABCD\r")));
  EXPECT_EQ(host().GetText(res::kIdcCharsPerLine), "0");
  EXPECT_EQ(host().GetText(res::kIdcLinesPerPage), "0");
  EXPECT_EQ(host().GetText(res::kIdcPageCount), "1");
  EXPECT_EQ(host().GetText(res::kIdcGraphicsInfo), "図形のみ");
  EXPECT_EQ(host().GetText(res::kIdcEndPage), "1");
  EXPECT_EQ(dlg().m_arrPageGraphics.size(), 1u);
}

TEST_F(BrowseTest, WinBesWithGraphicsMarkShowsGraphicsPresent) {
  Browse(dir_.Write("g.bes", WinBesHeader("33", "18", "0 ", true) + WinBesRecord("\xA1\x0C\x0D")));
  EXPECT_EQ(host().GetText(res::kIdcGraphicsInfo), "図形あり");
  EXPECT_EQ(host().GetText(res::kIdcPageCount), "1");
}

// The limit's edge is the file reading's (tests/platform/file_io_test.cpp).
TEST_F(BrowseTest, SizeLimitIsOneMillionBytes) {
  std::string file = Base("3222", 0);
  file.resize(1'000'000, 'A');
  Browse(dir_.Write("too-big.BSE", file));
  EXPECT_THAT(Messages(), ElementsAre("サイズが１Ｍ バイト 以上の大きいファイルは開けません。"));
  EXPECT_TRUE(dlg().m_arrLines.empty());
}

TEST_F(BrowseTest, UnreadableFileNamesThePath) {
  const std::string missing = dir_.File("gone.NAB");
  Browse(missing);
  EXPECT_THAT(Messages(), ElementsAre(missing + "\n\nファイルのオープンに失敗しました。"));
  // A folder, or a pipe that would never deliver, is not a file to open.
  std::filesystem::create_directory(dir_.path() / "folder.BSE");
  Browse(dir_.File("folder.BSE"));
  const std::string fifo = dir_.File("pipe.BSE");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Browse(fifo);
  EXPECT_EQ(Messages().size(), 3u);
}

TEST_F(BrowseTest, ZeroLinesPerPageRefusesToPrintWithTheRangeMessages) {
  Browse(dir_.Write("zero.BSE", Base("3200", 10)));
  EXPECT_EQ(host().GetText(res::kIdcPageCount), "0");
  host().Click(res::kIdcPrint);
  EXPECT_THAT(Messages(), ElementsAre("印刷終了頁は 1 頁以上にしてください"));
  EXPECT_TRUE(spooler_.Jobs().empty());
}

}  // namespace
}  // namespace test
