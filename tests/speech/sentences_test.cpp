// The composed sentences and how an Announcement reaches the clipboard.
#include "speech/sentences.h"

#include "support/dialog_fixture.h"

namespace test {
namespace {

TEST(SentenceTest, PrinterSentenceHasThreeAsciiBlanksThenIdeographicSpaces) {
  EXPECT_EQ(speech::PrinterSentence("TEN-10 USB", "USB001"),
            "いんさつする　てんじプリンタわ   TEN-10 USB　です　　せつぞくばしょわ　USB001　です");
}

TEST(SentenceTest, FileSentenceSpeaksGeometryAndGraphics) {
  const std::string head =
      "いんさつするファイルわ　/d/a.BSE　です　　一ページわ　32ます　22ぎょう　5ページ　";
  EXPECT_EQ(speech::FileSentence("/d/a.BSE", 32, 22, 5, "図形なし"), head + "ずけいわ　ありません");
  EXPECT_EQ(speech::FileSentence("/d/a.BSE", 32, 22, 5, "図形あり"), head + "ずけいが　あります");
  EXPECT_EQ(speech::FileSentence("/d/a.BSE", 32, 22, 5, "図形のみ"), head + "ずけい　のみです");
  EXPECT_EQ(speech::FileSentence("/d/a.BSE", 32, 22, 5, ""), head + "ずけいわ　ありません");
  EXPECT_NE(speech::FileSentence("x", -1, 0, 0, "").find("-1ます　0ぎょう　0ページ"),
            std::string::npos);
}

TEST(SentenceTest, RangeSentenceNamesTheSides) {
  const std::string head = "いんさつする　はんいわ　3ページから　7ページまでの　";
  EXPECT_EQ(speech::RangeSentence(3, 7, 0), head + "全ページ　かためん　いんさつ　です");
  EXPECT_EQ(speech::RangeSentence(3, 7, 1), head + "おもてめん　きすうページです");
  EXPECT_EQ(speech::RangeSentence(3, 7, 2), head + "うらめん　ぐうすうぺーじです");
  EXPECT_EQ(speech::RangeSentence(3, 7, 3), head + "全ページ　りょーめん　いんさつ　です");
  EXPECT_EQ(speech::RangeSentence(3, 7, 9), head + "全ページ　りょーめん　いんさつ　です");
}

TEST(SentenceTest, OptionsSentence) {
  EXPECT_EQ(speech::OptionsSentence(0, 0), "図形出力　チェックなし　改ページ出力　チェックなし");
  EXPECT_EQ(speech::OptionsSentence(1, 1), "図形出力　チェックあり　改ページ出力　チェックあり");
  EXPECT_EQ(speech::OptionsSentence(1, 0), "図形出力　チェックあり　改ページ出力　チェックなし");
}

class AnnounceTest : public DialogTest {};

TEST_F(AnnounceTest, BusyClipboardDropsTheSentenceSilentlyButKeepsIt) {
  Start();
  clipboard_.SetText("the user's own text");
  clipboard_.SetBusy(true);
  host().PressAlt('9');
  EXPECT_EQ(clipboard_.Text(), "the user's own text");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(dlg().m_strSpeech, "図形出力　チェックなし　改ページ出力　チェックあり");
  clipboard_.SetBusy(false);
  host().PressAlt('9');
  EXPECT_EQ(clipboard_.Text(), dlg().m_strSpeech);
}

TEST_F(AnnounceTest, EverySentenceAlsoGoesToTheScreenReader) {
  Start();
  host().PressAlt('1');
  host().PressAlt('S');
  ASSERT_EQ(host().ScreenReaderAnnouncements().size(), 2u);
  EXPECT_EQ(host().ScreenReaderAnnouncements()[0], "てんじプリンタが　せんたく　されていません");
  EXPECT_EQ(host().ScreenReaderAnnouncements()[1], clipboard_.Text());
}

}  // namespace
}  // namespace test
