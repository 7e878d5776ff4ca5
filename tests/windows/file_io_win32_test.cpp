// The file operations on Windows: UTF-8 paths of any name, the size limit, and the
// settings file's rules (replaced whole, only where it may be written; created only where
// no file is).
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/file_io.h"
#include "windows/windows_test_files.h"

namespace test {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

std::wstring Wide(const std::string& utf8) { return platform::PathFromUtf8(utf8).native(); }

TEST(FileIoWindowsTest, ReadsFilesOfJapaneseNamesUpToTheLimit) {
  Utf8TempDir dir;
  const std::string path = dir.Write("点字　資料\\ＴＥＮ～〜.BES", "%BET4 content");
  std::vector<std::uint8_t> bytes;
  ASSERT_EQ(platform::ReadWholeFile(path, 1'000'000, bytes), platform::ReadStatus::kOk);
  EXPECT_EQ(bytes, Bytes("%BET4 content"));
  EXPECT_EQ(platform::ReadFilePrefix(path, 5), Bytes("%BET4"));

  // The limit: a file of limit-1 bytes is read, one of `limit` bytes is not.
  const std::string below = dir.Write("below.BSE", std::string(999'999, 'a'));
  const std::string at = dir.Write("at.BSE", std::string(1'000'000, 'a'));
  EXPECT_EQ(platform::ReadWholeFile(below, 1'000'000, bytes), platform::ReadStatus::kOk);
  EXPECT_EQ(bytes.size(), 999'999u);
  EXPECT_EQ(platform::ReadWholeFile(at, 1'000'000, bytes), platform::ReadStatus::kTooLarge);
  EXPECT_TRUE(bytes.empty());
}

TEST(FileIoWindowsTest, FoldersDevicesAndNamesThatAreNotUtf8DoNotOpen) {
  Utf8TempDir dir;
  dir.Write("フォルダ\\x", "");
  std::vector<std::uint8_t> bytes;
  for (const std::string& path : {dir.File("フォルダ"), dir.File("none.BSE"), std::string("NUL"),
                                  std::string("CON"), dir.File("\xff\xfe.BSE"), std::string()}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(platform::ReadWholeFile(path, 1'000'000, bytes), platform::ReadStatus::kCannotOpen);
    EXPECT_FALSE(platform::ReadFilePrefix(path, 1024));
  }
}

TEST(FileIoWindowsTest, ReplacesWholeKeepingAttributesAndLeavesNoTemporaryFile) {
  Utf8TempDir dir;
  const std::string path = dir.Write("設定\\Varnel.ini", std::string(1024, 'a'));
  ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(platform::ReplaceFileAtomically(path, std::vector<std::uint8_t>(1024, 'b')));
  EXPECT_EQ(ReadAll(path), std::string(1024, 'b'));
  EXPECT_NE(GetFileAttributesW(Wide(path).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(NamesIn(dir.File("設定")), std::vector<std::string>{"Varnel.ini"});

  // A missing file is made; a folder is refused.
  ASSERT_TRUE(platform::ReplaceFileAtomically(dir.File("設定\\新.ini"), Bytes("new")));
  EXPECT_EQ(ReadAll(dir.File("設定\\新.ini")), "new");
  EXPECT_FALSE(platform::ReplaceFileAtomically(dir.File("設定"), Bytes("x")));
  EXPECT_EQ(NamesIn(dir.File("設定")), (std::vector<std::string>{"Varnel.ini", "新.ini"}));
}

TEST(FileIoWindowsTest, ReadOnlyFileIsNeverReplaced) {
  Utf8TempDir dir;
  const std::string path = dir.Write("Varnel.ini", "old");
  ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(platform::ReplaceFileAtomically(path, Bytes("new")));
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"Varnel.ini"});
  SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileIoWindowsTest, CreatesOnlyWhereNoFileIs) {
  Utf8TempDir dir;
  const std::string path = dir.File("点字.ini");
  ASSERT_TRUE(platform::CreateFileAtomically(path, Bytes("first")));
  EXPECT_EQ(ReadAll(path), "first");
  EXPECT_FALSE(platform::CreateFileAtomically(path, Bytes("second")));
  EXPECT_EQ(ReadAll(path), "first");
  EXPECT_FALSE(platform::CreateFileAtomically(dir.File("none\\x.ini"), Bytes("x")));
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"点字.ini"});
}

}  // namespace
}  // namespace test
