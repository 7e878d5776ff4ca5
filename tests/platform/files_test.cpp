// Settings location, atomic replacement and the virtual embossers' files.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "platform/dirspool/dir_spooler.h"
#include "platform/file_io.h"
#include "platform/posix/environment_posix.h"
#include "printers/models.h"
#include "support/dialog_fixture.h"
#include "support/other_user.h"

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

// The rule as the test user sees it (root may write every file). The common case, a
// read-only file beside an installed program, is tested through varnel-cli.
class SettingsLocationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    user_ = TestUser();
    if (!user_) GTEST_SKIP() << "no user but root to test file permissions with";
    std::filesystem::create_directories(exe_);
    GiveTo(*user_, dir_.path());
  }
  void TearDown() override { ::chmod(exe_.c_str(), 0755); }

  std::string Choose() {
    ActingAs as(*user_);
    return platform::ChooseSettingsPath(exe_, home_, "Varnel.ini");
  }

  TempDir dir_;
  std::optional<UnprivilegedUser> user_;
  const std::string exe_ = dir_.File("bin");
  const std::string home_ = dir_.File("config");
  const std::string beside_ = exe_ + "/Varnel.ini";
  const std::string own_ = home_ + "/varnel/Varnel.ini";
};

TEST_F(SettingsLocationTest, BesideTheProgramWhereItsUserMayWriteIt) {
  EXPECT_EQ(Choose(), beside_);  // a portable program's folder takes the new file
  EXPECT_TRUE(std::filesystem::is_empty(exe_));
  dir_.Write("bin/Varnel.ini", std::string("x"));
  GiveTo(*user_, dir_.path());
  ::chmod(exe_.c_str(), 0555);
  EXPECT_EQ(Choose(), beside_);  // a file of its own in a locked folder
  EXPECT_FALSE(std::filesystem::exists(home_));
}

TEST_F(SettingsLocationTest, ElseTheUsersOwnFileStartingEmptyWhenNothingBesideCanBeRead) {
  ::chmod(exe_.c_str(), 0555);
  EXPECT_EQ(Choose(), own_);  // nothing beside the program, and no room for it
  EXPECT_TRUE(std::filesystem::is_directory(home_ + "/varnel"));
  EXPECT_FALSE(std::filesystem::exists(own_));

  ::chmod(exe_.c_str(), 0755);
  dir_.Write("bin/Varnel.ini", std::string("someone's settings"));
  GiveTo(*user_, dir_.path());
  // A file its user may not read is not one to save into, nor to start from.
  for (const mode_t mode : {0000, 0200}) {
    SCOPED_TRACE(mode);
    ::chmod(beside_.c_str(), mode);
    EXPECT_EQ(Choose(), own_);
    EXPECT_FALSE(std::filesystem::exists(own_));
  }
  EXPECT_EQ(ReadBytes(beside_), Bytes("someone's settings"));
}

TEST_F(SettingsLocationTest, TheUsersOwnFileIsNeverStartedAgain) {
  dir_.Write("bin/Varnel.ini", std::string("prepared"));
  ::chmod(beside_.c_str(), 0444);
  std::filesystem::create_directories(home_ + "/varnel");
  dir_.Write("config/varnel/Varnel.ini", std::string("the user's own"));
  GiveTo(*user_, dir_.path());
  EXPECT_EQ(Choose(), own_);
  EXPECT_EQ(ReadBytes(own_), Bytes("the user's own"));
}

TEST(SettingsOverrideTest, ExplicitPathWins) {
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
