// varnel-cli and a settings file its user may not write or read: the file keeps its bytes.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "cli/cli_fixture.h"
#include "support/braille_files.h"
#include "support/dialog_fixture.h"
#include "support/other_user.h"

namespace test {
namespace {

class CliSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Wine runs a Windows program as the user who starts it, in that user's own prefix.
    if (CliOnWindows()) GTEST_SKIP() << "another user's permissions are POSIX's";
    user_ = TestUser();
    if (!user_) GTEST_SKIP() << "no user but root to test file permissions with";
    // A copy of the program the test user can reach whatever the build folder's mode.
    std::filesystem::copy_file(VARNEL_CLI, dir_.File("varnel-cli"));
    std::vector<std::uint8_t> record(1024, 0);
    const std::string name = "\x93\x5F\x8E\x9A \x95\xD0\x96\xCA\r\n";  // 点字 片面
    std::copy(name.begin(), name.end(), record.begin() + 512);
    record[767] = 1;
    stored_ = record;
    dir_.Write("Varnel.ini", stored_);
    dir_.Write("doc.BSE", BaseFile(32, 22, {"AB"}));
    GiveTo(*user_, dir_.path());
  }

  // Runs varnel-cli as the test user; its exit status.
  int Cli(const std::string& args) {
    const std::string cmd = RunAsPrefix(*user_) + dir_.File("varnel-cli") + " " + args +
                            " --settings " + dir_.File("Varnel.ini") + " >/dev/null 2>" +
                            dir_.File("err");
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  TempDir dir_;
  std::optional<UnprivilegedUser> user_;
  std::vector<std::uint8_t> stored_;
};

TEST_F(CliSettingsTest, ReadOnlyFileKeepsItsBytesWhenAPrinterIsChosen) {
  ::chmod(dir_.File("Varnel.ini").c_str(), 0444);
  EXPECT_EQ(Cli("print " + dir_.File("doc.BSE") + " --printer 仮想TEN-10 --output " +
                dir_.File("job.bin")),
            0)
      << ReadBytes(dir_.File("err")).size();
  EXPECT_EQ(ReadBytes(dir_.File("Varnel.ini")), stored_);
  EXPECT_TRUE(std::filesystem::exists(dir_.File("job.bin")));
}

TEST_F(CliSettingsTest, UnreadableFileIsNotReplacedAtStart) {
  for (const mode_t mode : {0000, 0200}) {
    SCOPED_TRACE(mode);
    ::chmod(dir_.File("Varnel.ini").c_str(), mode);
    EXPECT_EQ(Cli("info " + dir_.File("doc.BSE")), 0);
    EXPECT_EQ(ReadBytes(dir_.File("Varnel.ini")), stored_);
  }
}

}  // namespace
}  // namespace test
