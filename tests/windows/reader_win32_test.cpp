// The dialog's file reading on Windows: a document of Japanese names opens through the
// Browse button, and the size limit and a file that does not open give the messages they
// give on Linux.
#include "res/resource.h"
#include "support/dialog_fixture.h"
#include "windows/windows_test_files.h"

namespace test {
namespace {

using ReaderWindowsTest = DialogTest;

TEST_F(ReaderWindowsTest, JapanesePathsOpenAndTheMessagesAreLinuxs) {
  Start();
  Utf8TempDir dir;
  const std::string sample = ReadAll(VARNEL_SOURCE_DIR "/samples/sample.BES");
  ASSERT_FALSE(sample.empty());
  Browse(dir.Write("点字　資料\\図形　サンプル～.BES", sample));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(host().GetText(res::kIdcCharsPerLine), "32");
  EXPECT_EQ(host().GetText(res::kIdcPageCount), "4");

  Browse(dir.Write("大きい.BSE", std::string(1'000'000, ' ')));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages().back(), "サイズが１Ｍ バイト 以上の大きいファイルは開けません。");

  const std::string missing = dir.File("無い.BSE");
  Browse(missing);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages().back(), missing + "\n\nファイルのオープンに失敗しました。");
}

}  // namespace
}  // namespace test
