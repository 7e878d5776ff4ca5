// Where the settings file lies on Windows.
#include "platform/win32/environment_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>

#include "platform/file_io.h"
#include "windows/windows_test_files.h"

namespace test {
namespace {

TEST(SettingsLocationWindowsTest, BesideTheExecutableWhenItsFolderTakesFilesElseInAppData) {
  Utf8TempDir dir;
  const std::string program = dir.File("プログラム");
  const std::string appData = dir.File("ローミング");
  std::filesystem::create_directories(platform::PathFromUtf8(program));
  EXPECT_EQ(platform::ChooseSettingsPath(program, appData, "Varnel.ini"), program + "\\Varnel.ini");
  // Asking the folder left nothing in it.
  EXPECT_TRUE(NamesIn(program).empty());

  // A folder that takes no file (here: one that does not exist, as Program Files takes
  // none from its users).
  const std::string locked = dir.File("無い\\フォルダ");
  EXPECT_FALSE(platform::FolderTakesNewFiles(locked));
  EXPECT_EQ(platform::ChooseSettingsPath(locked, appData, "Varnel.ini"),
            appData + "\\Varnel\\Varnel.ini");
  EXPECT_TRUE(Exists(appData + "\\Varnel"));
}

TEST(SettingsLocationWindowsTest, AReadOnlyFileBesideTheProgramStartsTheUsersOwnOnce) {
  Utf8TempDir dir;
  const std::string program = dir.File("プログラム");
  const std::string appData = dir.File("ローミング");
  const std::string beside = dir.Write("プログラム\\Varnel.ini", "prepared");
  const std::wstring besideWide = platform::PathFromUtf8(beside).native();
  ASSERT_TRUE(SetFileAttributesW(besideWide.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string own = appData + "\\Varnel\\Varnel.ini";

  EXPECT_EQ(platform::ChooseSettingsPath(program, appData, "Varnel.ini"), own);
  EXPECT_EQ(ReadAll(own), "prepared");
  dir.Write("ローミング\\Varnel\\Varnel.ini", "the user's own");
  EXPECT_EQ(platform::ChooseSettingsPath(program, appData, "Varnel.ini"), own);
  EXPECT_EQ(ReadAll(own), "the user's own");

  EXPECT_EQ(ReadAll(beside), "prepared");
  EXPECT_EQ(GetFileAttributesW(besideWide.c_str()) & FILE_ATTRIBUTE_READONLY,
            DWORD{FILE_ATTRIBUTE_READONLY});
  EXPECT_EQ(NamesIn(program), std::vector<std::string>{"Varnel.ini"});
  SetFileAttributesW(besideWide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(SettingsLocationWindowsTest, TheExecutablesFolderAndTheApplicationDataFolder) {
  // VARNEL_TEST_PROGRAM_DIR: where the build put this program.
  std::error_code ec;
  EXPECT_TRUE(std::filesystem::equivalent(platform::PathFromUtf8(platform::ExecutableDir()),
                                          platform::PathFromUtf8(VARNEL_TEST_PROGRAM_DIR), ec))
      << platform::ExecutableDir();

  Utf8TempDir dir;
  const std::wstring before = _wgetenv(L"APPDATA") != nullptr ? _wgetenv(L"APPDATA") : L"";
  const std::string roaming = dir.File("アプリ");
  _wputenv_s(L"APPDATA", platform::PathFromUtf8(roaming).c_str());
  EXPECT_EQ(platform::UserAppDataFolder(), roaming);
  _wputenv_s(L"APPDATA", before.c_str());

  platform::Win32Environment chosen("D:\\設定\\Varnel.ini");
  EXPECT_EQ(chosen.SettingsFilePath("Varnel.ini"), "D:\\設定\\Varnel.ini");
}

}  // namespace
}  // namespace test
