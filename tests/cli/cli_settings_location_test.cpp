// varnel-cli without --settings: the settings file beside the program when its user may
// write it, else the user's own, started from the one beside the program.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "cli/cli_fixture.h"
#include "printers/settings_record.h"
#include "support/braille_files.h"
#include "support/dialog_fixture.h"
#include "support/other_user.h"

namespace test {
namespace {

printers::SettingsRecord RecordOf(const std::vector<std::uint8_t>& bytes) {
  printers::SettingsRecord record{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
  return record;
}

class CliSettingsLocationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Wine runs a Windows program as the user who starts it, in that user's own prefix.
    if (CliOnWindows()) GTEST_SKIP() << "another user's permissions are POSIX's";
    user_ = TestUser();
    if (!user_) GTEST_SKIP() << "no user but root to test file permissions with";
    // An installed program: a copy the test user can run, beside an administrator's
    // settings (a printer, a text kept in the reserved slot, page break off).
    std::filesystem::create_directories(dir_.path() / "bin");
    std::filesystem::create_directories(dir_.path() / "spool");
    std::filesystem::create_directories(dir_.path() / "home");
    std::filesystem::copy_file(VARNEL_CLI, dir_.File("bin/varnel-cli"));
    std::vector<std::uint8_t> record(1024, 0);
    const std::string reserved = "prepared by the administrator\r\n";
    const std::string name =
        "\x89\xBC\x91\x7A"
        "ESA721\r\n";  // 仮想ESA721
    std::copy(reserved.begin(), reserved.end(), record.begin());
    std::copy(name.begin(), name.end(), record.begin() + 512);
    record[767] = 0;
    prepared_ = record;
    dir_.Write("bin/Varnel.ini", prepared_);
    dir_.Write("doc.BSE", BaseFile(32, 22, {"AB"}));
    GiveTo(*user_, dir_.path());
  }

  // Runs varnel-cli as the test user, with no --settings; its exit status.
  int Cli(const std::string& args) {
    const std::string cmd = "XDG_CONFIG_HOME=" + dir_.File("home") + " " + RunAsPrefix(*user_) +
                            dir_.File("bin/varnel-cli") + " " + args + " >/dev/null 2>" +
                            dir_.File("err");
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  int PrintTo(const std::string& printer) {
    return Cli("print " + dir_.File("doc.BSE") + " --spooler dir:" + dir_.File("spool") +
               " --printer " + printer);
  }

  TempDir dir_;
  std::optional<UnprivilegedUser> user_;
  std::vector<std::uint8_t> prepared_;
};

TEST_F(CliSettingsLocationTest, ReadOnlyFileBesideTheProgramStartsTheUsersOwnFile) {
  ::chmod(dir_.File("bin/Varnel.ini").c_str(), 0444);
  ::chmod(dir_.File("bin").c_str(), 0555);
  const std::string own = dir_.File("home/varnel/Varnel.ini");

  // A job written to a file reads the administrator's settings and makes no file.
  ASSERT_EQ(Cli("print " + dir_.File("doc.BSE") + " --printer 仮想TEN-10 --output " +
                dir_.File("home/job.bin")),
            0)
      << Slurp(dir_.File("err"));
  EXPECT_EQ(Names(dir_.path() / "home"), (std::vector<std::string>{"job.bin"}));

  // The first start takes the administrator's settings over and saves the choice.
  ASSERT_EQ(PrintTo("仮想TEN-10"), 0) << Slurp(dir_.File("err"));
  const printers::SettingsRecord first = RecordOf(ReadBytes(own));
  EXPECT_TRUE(std::equal(prepared_.begin(), prepared_.begin() + 512, first.begin()));
  EXPECT_EQ(first[printers::kPageBreakOffset], 0);
  EXPECT_EQ(printers::ReadTextSlot(first, printers::kSlotPrinterName), "仮想TEN-10");

  // Later starts read and save the user's file alone.
  ASSERT_EQ(PrintTo("仮想点字片面"), 0) << Slurp(dir_.File("err"));
  EXPECT_EQ(printers::ReadTextSlot(RecordOf(ReadBytes(own)), printers::kSlotPrinterName),
            "仮想点字片面");

  EXPECT_EQ(ReadBytes(dir_.File("bin/Varnel.ini")), prepared_);
  EXPECT_EQ(Names(dir_.path() / "bin"), (std::vector<std::string>{"Varnel.ini", "varnel-cli"}));
  ::chmod(dir_.File("bin").c_str(), 0755);
}

}  // namespace
}  // namespace test
