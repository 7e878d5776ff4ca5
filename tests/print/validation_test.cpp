// The checks before a job, in their order, with their messages and focus moves, and the
// graphics warnings.
#include "print/print_fixture.h"
#include "res/resource.h"
#include "support/braille_files.h"

namespace test {
namespace {

using ::testing::ElementsAre;

class ValidationTest : public PrintTest {
 protected:
  // The message and focus of one Print press; nothing was sent.
  std::pair<std::string, int> Refusal() {
    windows_.ClearMessageBoxes();
    EXPECT_TRUE(Print().empty());
    EXPECT_EQ(windows_.MessageBoxes().size(), 1u);
    if (windows_.MessageBoxes().empty()) return {"", 0};
    EXPECT_EQ(windows_.MessageBoxes()[0].type, 0u);
    return {windows_.MessageBoxes()[0].text, host().GetFocus()};
  }
};

TEST_F(ValidationTest, NoPrinterComesBeforeNoFile) {
  Start();
  host().SetFocus(res::kIdcVersion);
  EXPECT_EQ(Refusal(),
            std::make_pair(std::string("プリンタが選択されていません"), res::kIdcVersion));
}

TEST_F(ValidationTest, NoFile) {
  StartWith("TEN-10");
  host().SetFocus(res::kIdcClose);
  EXPECT_EQ(Refusal(), std::make_pair(std::string("ファイルが選択されていません"), res::kIdcClose));
}

TEST_F(ValidationTest, RangeAndCopiesChecksInOrderWithFocus) {
  StartWith("NABCC-SGL");
  LoadPages(4, 10);
  const struct {
    int from, to, copies;
    const char* message;
    int focus;
  } cases[] = {
      {0, 0, 0, "印刷開始頁は 1 頁以上にしてください", res::kIdcStartPage},
      {1, 0, 0, "印刷終了頁は 1 頁以上にしてください", res::kIdcEndPage},
      {1, 1, 0, "印刷部数は 1 部以上にしてください", res::kIdcCopies},
      {12, 3, 1, "印刷開始頁がファイル最終頁より大きいです", res::kIdcStartPage},
      {1, 11, 1, "印刷終了頁がファイル最終頁より大きいです", res::kIdcEndPage},
      {5, 3, 1, "印刷終了頁が開始頁より小さいです", res::kIdcEndPage},
      {1, 1, 1001, "印刷部数は 1000 部以下にしてください", res::kIdcCopies},
  };
  for (const auto& c : cases) {
    SetRange(c.from, c.to, c.copies);
    host().SetFocus(res::kIdcPrint);
    EXPECT_EQ(Refusal(), std::make_pair(std::string(c.message), c.focus)) << c.message;
  }
  SetRange(1, 1, 1000);
  windows_.ClearMessageBoxes();
  EXPECT_FALSE(Print().empty());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ValidationTest, EdelDrawingsOnlyOnGraphicsModels) {
  StartWith("ESA721");
  LoadFile("d.EDL", "EDEL\n1ABCD\r");
  EXPECT_EQ(
      Refusal().first,
      "TEN-100、TEN-10、New ESA721 以外の点字プリンタでは　　\n「エーデル」の図形印刷はできません");
  host().Choose(res::kIdcPrinter, PrinterOf().at("TEN-10"));
  windows_.ClearMessageBoxes();
  EXPECT_FALSE(Print().empty());
  EXPECT_TRUE(Messages().empty());  // graphics on: no warning
}

const std::string kGraphicsFile = WinBesWithGraphics({WinBesObject(1, 0, 1, 5, 5)});

TEST_F(ValidationTest, GraphicsWarningOnOtherModelsEvenWithTheOptionOn) {
  StartWith("NABCC-SGL");
  LoadFile("g.BES", kGraphicsFile);
  windows_.ClearMessageBoxes();
  windows_.SetAnswerer([](const platform::MessageBoxRecord&) { return platform::kMbResultCancel; });
  EXPECT_TRUE(Print().empty());
  ASSERT_EQ(windows_.MessageBoxes().size(), 1u);
  EXPECT_EQ(
      windows_.MessageBoxes()[0].text,
      "ファイルには図形データが含まれていますが\r\n\r\nこの点字プリンタでは 図形は印刷されません");
  EXPECT_EQ(windows_.MessageBoxes()[0].type, 0x41u);
  windows_.SetAnswerer(nullptr);
  EXPECT_FALSE(Print().empty());
  EXPECT_EQ(windows_.MessageBoxes().size(), 2u);  // asked once per press
}

TEST_F(ValidationTest, GraphicsWarningOnGraphicsModelsOnlyWhenTheOptionIsOff) {
  StartWith("NewESA721");
  LoadFile("g.BES", kGraphicsFile);
  ASSERT_EQ(dlg().m_bGraphics, 1);
  EXPECT_FALSE(Print().empty());
  EXPECT_TRUE(Messages().empty());
  host().Click(res::kIdcGraphics);
  EXPECT_FALSE(Print().empty());
  EXPECT_THAT(Messages(), ElementsAre("ファイルには図形データが含まれていますが\r\n\r\n"
                                      "図形出力のチェックが外れているため 図形は印刷されません"));
}

TEST_F(ValidationTest, NoWarningForFilesWithoutGraphics) {
  for (const char* model : {"NABCC-SGL", "TEN-10"}) {
    StartWith(model);
    LoadPages(4, 1);
    EXPECT_FALSE(Print().empty());
    EXPECT_TRUE(Messages().empty()) << model;
    DestroyAndRestart();
    spooler_.Printers().clear();
  }
}

}  // namespace
}  // namespace test
