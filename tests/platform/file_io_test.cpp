// The file operations, the settings file's place and the virtual embossers' jobs: one set
// of checks for POSIX and Windows, paths of any name in UTF-8. What only one system has
// (modes, links and a full disk; attributes and device names) follows each check.
#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dirspool/dir_spooler.h"
#include "platform/dirspool/file_spooler.h"
#include "platform/environment.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "support/other_user.h"
#endif

namespace test {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

// Marks the file read-only the system's way: on POSIX for every user but root.
void SetReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
  SetFileAttributesW(platform::PathFromUtf8(path).c_str(),
                     readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
  ::chmod(path.c_str(), readOnly ? 0444 : 0644);
#endif
}

#ifndef _WIN32
// Runs `action` with files limited to `bytes`: the limit stands in for a full disk.
template <class Action>
void WithFileSizeLimit(rlim_t bytes, Action action) {
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &small);
  action();
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
}
#endif

TEST(FileIoTest, ReadsFilesOfJapaneseNamesUpToTheLimit) {
  TempDir dir;
  const std::string path = dir.Write("点字　資料/ＴＥＮ～〜.BES", std::string("%BET4 content"));
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

  dir.Write("フォルダ/x", std::string());
  std::vector<std::string> unopenable = {dir.File("フォルダ"), dir.File("none.BSE"), ""};
#ifdef _WIN32
  // Devices, and a name that is not UTF-8.
  unopenable.insert(unopenable.end(),
                    {"NUL", "CON", platform::JoinPath(Utf8Path(dir.path()), "\xff\xfe.BSE")});
#endif
  for (const std::string& p : unopenable) {
    SCOPED_TRACE(p);
    EXPECT_EQ(platform::ReadWholeFile(p, 1'000'000, bytes), platform::ReadStatus::kCannotOpen);
    EXPECT_FALSE(platform::ReadFilePrefix(p, 1024));
  }
}

TEST(FileIoTest, ReplacesWholeLeavingNoTemporaryFileAndRefusesAFolder) {
  TempDir dir;
  const std::string path = dir.Write("設定/Varnel.ini", std::string(1024, 'a'));
#ifdef _WIN32
  ASSERT_TRUE(SetFileAttributesW(platform::PathFromUtf8(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
#else
  ::chmod(path.c_str(), 0640);
#endif
  ASSERT_TRUE(platform::ReplaceFileAtomically(path, std::vector<std::uint8_t>(1024, 'b')));
  EXPECT_EQ(ReadAll(path), std::string(1024, 'b'));
  // The file keeps what the system marks it with.
#ifdef _WIN32
  EXPECT_NE(GetFileAttributesW(platform::PathFromUtf8(path).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
#else
  struct stat st = {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
#endif

  // A missing file is made; a folder is refused.
  ASSERT_TRUE(platform::ReplaceFileAtomically(dir.File("設定/新.ini"), Bytes("new")));
  EXPECT_EQ(ReadAll(dir.File("設定/新.ini")), "new");
  EXPECT_FALSE(platform::ReplaceFileAtomically(dir.File("設定"), Bytes("x")));
  EXPECT_EQ(NamesIn(dir.File("設定")), (std::vector<std::string>{"Varnel.ini", "新.ini"}));

#ifdef _WIN32
  // A read-only file is never replaced (on POSIX, as another user: the settings tests).
  SetReadOnly(path, true);
  EXPECT_FALSE(platform::ReplaceFileAtomically(path, Bytes("new")));
  EXPECT_EQ(ReadAll(path), std::string(1024, 'b'));
  SetReadOnly(path, false);
#else
  // Through a symbolic link, the file it names.
  std::filesystem::create_symlink(path, dir.File("link.ini"));
  ASSERT_TRUE(platform::ReplaceFileAtomically(dir.File("link.ini"), Bytes("linked")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.ini")));
  EXPECT_EQ(ReadAll(path), "linked");
  // A block that does not fit leaves the old content.
  bool replaced = true;
  WithFileSizeLimit(100, [&] {
    replaced = platform::ReplaceFileAtomically(path, std::vector<std::uint8_t>(1024, 'c'));
  });
  EXPECT_FALSE(replaced);
  EXPECT_EQ(ReadAll(path), "linked");
  EXPECT_EQ(NamesIn(dir.File("設定")), (std::vector<std::string>{"Varnel.ini", "新.ini"}));
#endif
}

TEST(FileIoTest, CreatesOnlyWhereNoFileIs) {
  TempDir dir;
  const std::string path = dir.File("点字.ini");
  ASSERT_TRUE(platform::CreateFileAtomically(path, Bytes("first")));
  EXPECT_EQ(ReadAll(path), "first");
  EXPECT_FALSE(platform::CreateFileAtomically(path, Bytes("second")));
  EXPECT_EQ(ReadAll(path), "first");
  EXPECT_FALSE(platform::CreateFileAtomically(dir.File("none/x.ini"), Bytes("x")));
#ifndef _WIN32
  // A dangling link is a file: nothing is made where it points.
  std::filesystem::create_symlink(dir.File("nowhere"), dir.File("dangling.ini"));
  EXPECT_FALSE(platform::CreateFileAtomically(dir.File("dangling.ini"), Bytes("x")));
  std::filesystem::remove(dir.File("dangling.ini"));
#endif
  EXPECT_EQ(NamesIn(dir.path().string()), std::vector<std::string>{"点字.ini"});
}

// The settings file's place, as a user who is not root sees it on POSIX (root may write
// every file).
class SettingsLocationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(FsPath(exe_));
#ifndef _WIN32
    user_ = TestUser();
    if (!user_) GTEST_SKIP() << "no user but root to test file permissions with";
    GiveTo(*user_, dir_.path());
#endif
  }

  std::string Choose(const std::string& exe, bool startUserFile = true) {
#ifndef _WIN32
    ActingAs as(*user_);
#endif
    return platform::ChooseSettingsPath(exe, own_folder_, "Varnel.ini", startUserFile);
  }

  TempDir dir_;
#ifndef _WIN32
  std::optional<UnprivilegedUser> user_;
#endif
  const std::string exe_ = dir_.File("プログラム");
  const std::string own_folder_ = dir_.File("ユーザー/Varnel");
  const std::string beside_ = platform::JoinPath(exe_, "Varnel.ini");
  const std::string own_ = platform::JoinPath(own_folder_, "Varnel.ini");
};

TEST_F(SettingsLocationTest, BesideTheProgramWhereItsFolderTakesTheFileElseTheUsersOwn) {
  EXPECT_EQ(Choose(exe_), beside_);    // a portable program's folder takes the new file
  EXPECT_TRUE(NamesIn(exe_).empty());  // asking the folder left nothing in it
  // A folder that takes no file (here one that does not exist, as Program Files or
  // /usr/bin take none from their users).
  const std::string locked = dir_.File("無い/フォルダ");
  EXPECT_EQ(Choose(locked), own_);
  EXPECT_TRUE(std::filesystem::is_directory(FsPath(own_folder_)));
  EXPECT_TRUE(NamesIn(own_folder_).empty());
}

TEST_F(SettingsLocationTest, AReadOnlyFileBesideTheProgramStartsTheUsersOwnOnce) {
  dir_.Write("プログラム/Varnel.ini", std::string("prepared"));
#ifndef _WIN32
  GiveTo(*user_, dir_.path());
#endif
  SetReadOnly(beside_, true);
  // Only read (a job written to a file): the file it would start from, and nothing made.
  EXPECT_EQ(Choose(exe_, false), beside_);
  EXPECT_FALSE(std::filesystem::exists(FsPath(own_folder_)));
  EXPECT_EQ(Choose(exe_), own_);
  EXPECT_EQ(ReadAll(own_), "prepared");
  dir_.Write("ユーザー/Varnel/Varnel.ini", std::string("the user's own"));
#ifndef _WIN32
  GiveTo(*user_, dir_.path());
#endif
  EXPECT_EQ(Choose(exe_), own_);
  EXPECT_EQ(ReadAll(own_), "the user's own");
  EXPECT_EQ(ReadAll(beside_), "prepared");
  EXPECT_EQ(NamesIn(exe_), std::vector<std::string>{"Varnel.ini"});
  SetReadOnly(beside_, false);
#ifndef _WIN32
  // A file its user may not read is not one to save into, nor to start from.
  std::filesystem::remove(FsPath(own_));
  for (const mode_t mode : {0000, 0200}) {
    SCOPED_TRACE(mode);
    ::chmod(beside_.c_str(), mode);
    EXPECT_EQ(Choose(exe_), own_);
    EXPECT_FALSE(std::filesystem::exists(own_));
  }
#endif
}

TEST(SystemEnvironmentTest, AGivenPathWinsAndTheProgramsFolderIsKnown) {
  platform::SystemEnvironment chosen("/elsewhere/設定.ini");
  EXPECT_EQ(chosen.SettingsFilePath("Varnel.ini"), "/elsewhere/設定.ini");
  EXPECT_TRUE(std::filesystem::is_directory(FsPath(platform::ExecutableDir())))
      << platform::ExecutableDir();
}

bool Print(platform::Spooler& spooler, const std::string& printer, const std::string& bytes,
           bool complete = true) {
  std::unique_ptr<platform::PrinterConnection> c = spooler.Open(printer);
  if (!c || !c->StartDocument("文書.BES")) return false;
  for (const char b : bytes) {
    std::uint32_t written = 0;
    const auto byte = static_cast<std::uint8_t>(b);
    if (!c->Write(&byte, 1, &written) || written != 1) return false;
  }
  if (!complete) {
    c->AbortDocument();
    return true;
  }
  return c->EndDocument();
}

TEST(DirSpoolerTest, AJobAppearsWholeInItsEmbossersFolderOrNotAtAll) {
  TempDir dir;
  const std::string spool = dir.File("仮想の点字プリンタ");
  platform::DirSpooler spooler(spool, {"仮想TEN-100"});
  std::vector<platform::PrinterInfo> printers;
  ASSERT_TRUE(spooler.EnumeratePrinters(printers)) << spooler.LastError();
  ASSERT_EQ(printers.size(), 1u);

  const std::string folder = platform::JoinPath(spool, "仮想TEN-100");
  {
    std::unique_ptr<platform::PrinterConnection> c = spooler.Open("仮想TEN-100");
    ASSERT_TRUE(c && c->StartDocument("doc"));
    std::uint32_t written = 0;
    const std::uint8_t byte = 'A';
    ASSERT_TRUE(c->Write(&byte, 1, &written));
    const std::vector<std::string> partial = NamesIn(folder);  // only the hidden part
    ASSERT_EQ(partial.size(), 1u);
    EXPECT_EQ(partial[0].rfind(".partial-", 0), 0u);
  }
  const std::string job(200'000, '\x1b');  // many times the writes' buffer
  ASSERT_TRUE(Print(spooler, "仮想TEN-100", job));
  ASSERT_TRUE(Print(spooler, "仮想TEN-100", "abandoned", false));
  const std::vector<std::string> jobs = NamesIn(folder);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].substr(0, 4), "job-");
  EXPECT_EQ(jobs[0].substr(jobs[0].size() - 4), ".brl");
  EXPECT_TRUE(ReadAll(platform::JoinPath(folder, jobs[0])) == job);
  EXPECT_EQ(spooler.Open("not listed"), nullptr);
  EXPECT_EQ(spooler.LastError(), "プリンタ「not listed」はありません");

#ifndef _WIN32
  // Writes that cannot land fail the job, and leave nothing half-written.
  bool failed = false;
  WithFileSizeLimit(10000,
                    [&] { failed = !Print(spooler, "仮想TEN-100", std::string(200'000, 'x')); });
  EXPECT_TRUE(failed);
  EXPECT_EQ(NamesIn(folder).size(), 1u);
  EXPECT_EQ(spooler.LastError().rfind("ファイル「" + folder, 0), 0u) << spooler.LastError();
#endif
}

#ifdef _WIN32
TEST(DirSpoolerTest, NamesWindowsCannotGiveAFolderAreLeftOut) {
  TempDir dir;
  dir.Write("spool/printers",
            std::string("点字　両面\tLPT1:\nCON\tCOM1\nlpt1.txt\tx\nESA721?\tx\na:b\tx\n"
                        "TEN-10.\tx\nback\\slash\tx\nＴＥＮ１００\tUSB001\n"));
  platform::DirSpooler spooler(dir.File("spool"), {});
  std::vector<platform::PrinterInfo> printers;
  ASSERT_TRUE(spooler.EnumeratePrinters(printers)) << spooler.LastError();
  std::vector<std::string> names;
  for (const auto& p : printers) names.push_back(p.name + "|" + p.port);
  EXPECT_EQ(names, (std::vector<std::string>{"点字　両面|LPT1:", "ＴＥＮ１００|USB001"}));
}

TEST(FileSpoolerTest, AReadOnlyOutputFileIsRefusedBeforeTheJob) {
  TempDir dir;
  const std::string out = dir.Write("出力/ジョブ.bin", std::string("old"));
  platform::FileSpooler spooler("仮想TEN-10", "FILE", out);
  SetReadOnly(out, true);
  EXPECT_FALSE(Print(spooler, "仮想TEN-10", "new"));
  EXPECT_EQ(ReadAll(out), "old");
  SetReadOnly(out, false);
}
#endif

}  // namespace
}  // namespace test
