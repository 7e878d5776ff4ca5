// varnel-cli print --output: the file holds the whole job or is left as it was, and no
// temporary file outlives the program.
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "cli/cli_fixture.h"
#include "support/braille_files.h"
#include "support/other_user.h"

namespace test {
namespace {

class CliOutputTest : public CliTest {
 protected:
  CliOutputTest() { std::filesystem::create_directory(Jobs()); }
  std::filesystem::path Jobs() const { return dir_.path() / "jobs"; }
  std::string Job(const std::string& name) const { return (Jobs() / name).string(); }
  // A document of about 600 KB: many times the writes' buffer.
  std::string LargeDocument() {
    std::vector<std::string> lines;
    for (int i = 0; i < 20000; ++i) lines.push_back("LINE #" + std::to_string(i) + " ,VARNEL TEXT");
    return dir_.Write("large.BSE", BaseFile(32, 22, lines));
  }
  CliRun Print(const std::string& document, const std::string& output, const std::string& copies,
               const std::string& shell = "") {
    return Cli(
        {"print", document, "--printer", "仮想点字片面", "--copies", copies, "--output", output},
        shell);
  }
};

TEST_F(CliOutputTest, ManyCopiesAreEachCopyInTurn) {
  ASSERT_EQ(Print(Sample("sample.BSE"), Job("one.bin"), "1").status, 0);
  const CliRun r = Print(Sample("sample.BSE"), Job("forty.bin"), "40");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "印刷を　終了しました\n");
  const std::string one = ReadAll(Job("one.bin"));
  ASSERT_GT(one.size(), 1000u);
  std::string forty;
  for (int i = 0; i < 40; ++i) forty += one;
  EXPECT_TRUE(ReadAll(Job("forty.bin")) == forty) << "the 40 copies differ from the single copy";
  EXPECT_EQ(NamesIn(Jobs().string()), (std::vector<std::string>{"forty.bin", "one.bin"}));
}

// A job written to a file chooses no embosser: the settings file is read, never written,
// so the embosser chosen for real printing stays chosen.
TEST_F(CliOutputTest, LeavesTheSettingsFileAsItWas) {
  ASSERT_EQ(Print(Sample("sample.BSE"), Job("first.bin"), "1").status, 0);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("Varnel.ini")));

  const CliRun chosen = Cli({"print", Sample("sample.BSE"), "--printer", "仮想点字両面",
                             "--spooler", Spool(), "--page-break", "off"});
  ASSERT_EQ(chosen.status, 0) << chosen.err;
  const std::string stored = ReadAll(dir_.File("Varnel.ini"));
  ASSERT_EQ(stored.size(), 1024u);
  const CliRun r = Print(Sample("sample.BSE"), Job("second.bin"), "1");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(ReadAll(dir_.File("Varnel.ini")) == stored) << "the settings file changed";
  EXPECT_EQ(NamesIn(dir_.path().string()),
            (std::vector<std::string>{"Varnel.ini", "err", "jobs", "out", "spool"}));
}

TEST_F(CliOutputTest, ReplacesTheFileALinkNamesKeepingItsModeAndRefusesAFolder) {
  ASSERT_EQ(Print(Sample("sample.BSE"), Job("expected.bin"), "2").status, 0);
  const std::string expected = ReadAll(Job("expected.bin"));
  // File modes and symbolic links are POSIX's (the Windows tests check its attributes).
  std::vector<std::string> names = {"expected.bin", "folder"};
  if (!CliOnWindows()) {
    const mode_t umask = ::umask(0);
    ::umask(umask);
    struct stat st = {};
    ::stat(Job("expected.bin").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0666 & ~umask);

    const std::string real = dir_.Write("jobs/real.bin", std::string("old"));
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, Job("link.bin"));
    ASSERT_EQ(Print(Sample("sample.BSE"), Job("link.bin"), "2").status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(Job("link.bin")));
    EXPECT_TRUE(ReadAll(real) == expected);
    ::stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    names = {"expected.bin", "folder", "link.bin", "real.bin"};
  }

  std::filesystem::create_directory(Job("folder"));
  const CliRun r = Print(Sample("sample.BSE"), Job("folder"), "2");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "印刷できませんでした\n");
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(std::filesystem::is_empty(Job("folder")));
  EXPECT_EQ(NamesIn(Jobs().string()), names);
}

// A name too long to take a suffix: the job is kept aside in TMPDIR and copied into the
// file when it completes.
TEST_F(CliOutputTest, WritesAFileWhoseFolderCannotTakeATemporaryFileBesideIt) {
  ASSERT_EQ(Print(Sample("sample.BSE"), Job("expected.bin"), "3").status, 0);
  std::filesystem::create_directory(dir_.path() / "tmp");
  const std::string tmp = "TMPDIR=" + Quote(dir_.File("tmp")) + " ";
  const std::string longName = std::string(250, 'n') + ".bin";
  const CliRun r = Print(Sample("sample.BSE"), Job(longName), "3", tmp);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(ReadAll(Job(longName)) == ReadAll(Job("expected.bin")));
  EXPECT_EQ(NamesIn(Jobs().string()), (std::vector<std::string>{"expected.bin", longName}));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path() / "tmp"));
}

// A file size limit stands in for a full disk.
TEST_F(CliOutputTest, AFailedJobLeavesTheFileAsItWasAndNoTemporaryFile) {
  const std::string document = LargeDocument();
  std::filesystem::create_directory(dir_.path() / "tmp");
  const std::string limit = "trap '' XFSZ; ulimit -f 200; TMPDIR=" + Quote(dir_.File("tmp")) + " ";
  const std::string longName = std::string(250, 'n') + ".bin";
  dir_.Write("jobs/old.bin", std::string("old"));
  for (const std::string& name : {std::string("new.bin"), std::string("old.bin"), longName}) {
    SCOPED_TRACE(name.substr(0, 10));
    const CliRun r = Print(document, Job(name), "1", limit);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "印刷できませんでした\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(NamesIn(Jobs().string()), std::vector<std::string>{"old.bin"});
    EXPECT_TRUE(ReadAll(Job("old.bin")) == "old");
    EXPECT_TRUE(std::filesystem::is_empty(dir_.path() / "tmp"));
  }
}

TEST_F(CliOutputTest, AnInterruptedJobLeavesTheFileAsItWasAndNoTemporaryFile) {
  const std::string document = LargeDocument();
  dir_.Write("jobs/old.bin", std::string("old"));
  const pid_t pid = Start({"print", document, "--printer", "仮想点字片面", "--copies", "200",
                           "--output", Job("old.bin")});
  ASSERT_GT(pid, 0);
  // Interrupted once its temporary file is there.
  int status = 0;
  bool ended = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (NamesIn(Jobs().string()).size() < 2 && !ended &&
         std::chrono::steady_clock::now() < deadline) {
    ended = ::waitpid(pid, &status, WNOHANG) == pid;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_FALSE(ended) << "the job ended before its temporary file was seen";
  if (!ended && CliOnWindows()) {
    // Wine hands SIGINT to the program as Ctrl+C, which ends it with a failure status.
    ::kill(pid, SIGINT);
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << status;
  } else if (!ended) {
    ::kill(pid, SIGTERM);
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  }
  EXPECT_EQ(NamesIn(Jobs().string()), std::vector<std::string>{"old.bin"});
  EXPECT_TRUE(ReadAll(Job("old.bin")) == "old");
}

// The permissions of the output file and its folder, for a user who is not root.
TEST_F(CliOutputTest, KeepsAFileItsUserMayNotWriteAndWritesInAFolderItMayNotWrite) {
  // Wine runs a Windows program as the user who starts it, in that user's own prefix.
  if (CliOnWindows()) GTEST_SKIP() << "another user's permissions are POSIX's";
  const std::optional<UnprivilegedUser> user = TestUser();
  if (!user) GTEST_SKIP() << "no user but root to test file permissions with";
  // The user reads the sample and runs the program from copies in the test's folder: the
  // clone and the build folder may lie where only their owner can read (under /root).
  RunCopyOfProgram();
  const std::string sample = dir_.Write("sample.BSE", ReadAll(Sample("sample.BSE")));
  ASSERT_EQ(Print(sample, dir_.File("expected.bin"), "2").status, 0);
  const std::string locked = dir_.Write("jobs/locked.bin", std::string("old"));
  const std::string open = dir_.Write("jobs/open.bin", std::string("old"));
  GiveTo(*user, dir_.path());
  ::chmod(locked.c_str(), 0444);
  CliRun r = Print(sample, locked, "2", RunAsPrefix(*user));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "印刷できませんでした\n");
  EXPECT_TRUE(ReadAll(locked) == "old");

  ::chmod(Jobs().c_str(), 0555);
  r = Print(sample, open, "2", RunAsPrefix(*user));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(ReadAll(open) == ReadAll(dir_.File("expected.bin")));
  r = Print(sample, Job("new.bin"), "2", RunAsPrefix(*user));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "印刷できませんでした\n");
  ::chmod(Jobs().c_str(), 0755);
  EXPECT_EQ(NamesIn(Jobs().string()), (std::vector<std::string>{"locked.bin", "open.bin"}));
}

}  // namespace
}  // namespace test
