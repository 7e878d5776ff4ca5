// Settings location, atomic replacement and the virtual embossers' files.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "platform/dirspool/dir_spooler.h"
#include "platform/file_io.h"
#include "platform/posix/environment_posix.h"
#include "printers/models.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

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

TEST(SettingsLocationTest, BesideTheExecutableWhenWritableOrPresentElseConfigHome) {
  TempDir dir;
  const std::string exe = dir.File("bin");
  const std::string home = dir.File("config");
  std::filesystem::create_directories(exe);
  EXPECT_EQ(platform::ChooseSettingsPath(exe, home, "Varnel.ini"), exe + "/Varnel.ini");
  if (::geteuid() == 0) GTEST_SKIP() << "root writes every folder";
  ::chmod(exe.c_str(), 0555);
  EXPECT_EQ(platform::ChooseSettingsPath(exe, home, "Varnel.ini"), home + "/varnel/Varnel.ini");
  EXPECT_TRUE(std::filesystem::is_directory(home + "/varnel"));
  ::chmod(exe.c_str(), 0755);
  dir.Write("bin/Varnel.ini", std::string(""));
  ::chmod(exe.c_str(), 0555);
  EXPECT_EQ(platform::ChooseSettingsPath(exe, home, "Varnel.ini"), exe + "/Varnel.ini");
  ::chmod(exe.c_str(), 0755);
}

TEST(SettingsLocationTest, ExplicitPathWins) {
  platform::PosixEnvironment env("/tmp/elsewhere.ini");
  EXPECT_EQ(env.SettingsFilePath("Varnel.ini"), "/tmp/elsewhere.ini");
}

TEST(ReplaceFileTest, ReplacesWholeKeepsModeAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.Write("Varnel.ini", std::string(1024, 'a'));
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(platform::ReplaceFileAtomically(path, std::vector<std::uint8_t>(1024, 'b')));
  EXPECT_EQ(ReadBytes(path), std::vector<std::uint8_t>(1024, 'b'));
  struct stat st = {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ReplaceFileTest, WritesThroughASymbolicLinkAndRefusesFolders) {
  TempDir dir;
  const std::string real = dir.Write("real.ini", std::string("old"));
  std::filesystem::create_symlink(real, dir.File("link.ini"));
  ASSERT_TRUE(platform::ReplaceFileAtomically(dir.File("link.ini"), Bytes("new")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.ini")));
  EXPECT_EQ(ReadBytes(real), Bytes("new"));
  std::filesystem::create_directory(dir.File("folder"));
  EXPECT_FALSE(platform::ReplaceFileAtomically(dir.File("folder"), Bytes("x")));
}

TEST(ReplaceFileTest, ABlockThatDoesNotFitLeavesTheOldContent) {
  TempDir dir;
  const std::string path = dir.Write("Varnel.ini", std::string(1024, 'a'));
  bool replaced = true;
  WithFileSizeLimit(100, [&] {
    replaced = platform::ReplaceFileAtomically(path, std::vector<std::uint8_t>(1024, 'b'));
  });
  EXPECT_FALSE(replaced);
  EXPECT_EQ(ReadBytes(path), std::vector<std::uint8_t>(1024, 'a'));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(CreateFileTest, CreatesAMissingFileAndLeavesAnyExistingOneAlone) {
  TempDir dir;
  ASSERT_TRUE(platform::CreateFileAtomically(dir.File("new.ini"), Bytes("new")));
  EXPECT_EQ(ReadBytes(dir.File("new.ini")), Bytes("new"));
  EXPECT_FALSE(platform::CreateFileAtomically(dir.File("new.ini"), Bytes("other")));
  EXPECT_EQ(ReadBytes(dir.File("new.ini")), Bytes("new"));
  std::filesystem::create_symlink(dir.File("nowhere"), dir.File("dangling.ini"));
  EXPECT_FALSE(platform::CreateFileAtomically(dir.File("dangling.ini"), Bytes("x")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("nowhere")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(DirSpoolerTest, AJobAppearsCompleteOrNotAtAll) {
  TempDir dir;
  platform::DirSpooler spooler(dir.path().string(), printers::VirtualEmbosserNames());
  auto job = spooler.Open("仮想TEN-10");
  ASSERT_TRUE(job);
  ASSERT_TRUE(job->StartDocument("/x/doc.BSE"));
  std::uint32_t written = 0;
  const std::uint8_t byte = 'A';
  for (int i = 0; i < 100000; ++i) ASSERT_TRUE(job->Write(&byte, 1, &written));
  const std::filesystem::path folder = dir.path() / "仮想TEN-10";
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    EXPECT_EQ(e.path().filename().string().rfind(".partial-", 0), 0u);  // only the hidden part
  }
  ASSERT_TRUE(job->EndDocument());
  std::vector<std::filesystem::path> files;
  for (const auto& e : std::filesystem::directory_iterator(folder)) files.push_back(e.path());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(std::filesystem::file_size(files[0]), 100000u);

  // An abandoned job leaves nothing.
  auto second = spooler.Open("仮想TEN-10");
  ASSERT_TRUE(second->StartDocument("doc"));
  second->Write(&byte, 1, &written);
  second->AbortDocument();
  second.reset();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
  EXPECT_EQ(spooler.Open("not listed"), nullptr);
}

TEST(DirSpoolerTest, WritesThatCannotLandFailTheJob) {
  TempDir dir;
  platform::DirSpooler spooler(dir.path().string(), printers::VirtualEmbosserNames());
  auto job = spooler.Open("仮想点字片面");
  ASSERT_TRUE(job->StartDocument("doc"));
  bool failed = false;
  WithFileSizeLimit(10000, [&] {
    std::uint32_t written = 0;
    const std::uint8_t byte = 'x';
    for (int i = 0; i < 200000 && !failed; ++i) failed = !job->Write(&byte, 1, &written);
    if (failed) {
      job->AbortDocument();  // as the print job does after a failed write
    } else {
      failed = !job->EndDocument();
    }
  });
  EXPECT_TRUE(failed);
  // Nothing half-written is left as a job.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "仮想点字片面"), {}), 0);
}

}  // namespace
}  // namespace test
