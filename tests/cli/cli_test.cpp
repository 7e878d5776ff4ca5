// varnel-cli as a user runs it: output, messages and exit statuses.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cli/cli_fixture.h"
#include "printers/models.h"
#include "support/other_user.h"

namespace test {
namespace {

// One virtual embosser per model of the model table, as the dialog's sorted list has them.
std::vector<const printers::Model*> ModelsByVirtualEmbosser() {
  std::vector<const printers::Model*> models;
  for (const printers::Model& m : printers::AllModels()) models.push_back(&m);
  std::sort(models.begin(), models.end(),
            [](const auto* a, const auto* b) { return a->virtualEmbosser < b->virtualEmbosser; });
  return models;
}

TEST_F(CliTest, PrintersListsTheVirtualEmbossersSortedWithModelAndPort) {
  const CliRun r = Cli({"printers", "--spooler", Spool()});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string folder = dir_.File("spool") + "/";
  std::string expected;
  for (const printers::Model* m : ModelsByVirtualEmbosser()) {
    const std::string name(m->virtualEmbosser);
    expected += name + "\t" + std::string(m->name) + "\t" + folder + name + "\n";
  }
  EXPECT_EQ(r.out, expected);
}

TEST_F(CliTest, PrintersFileKeepsUsableEmbosserNamesOnly) {
  Spool();
  std::string list = "ten-10 b\tLPT1:\n";
  list += "TEN-10 A\tusb://Maker/T10\r\n";
  list += "Office laser\tUSB001\n";
  list += "ESA721 \xff\xfe\tCOM1\n";                       // not UTF-8
  list += "ESA721 " + std::string(300, 'x') + "\tCOM2\n";  // too long for a folder
  list += "ESA721/../..\tCOM3\n";                          // not a folder name
  list += "\n点字　両面\n";
  dir_.Write("spool/printers", list);
  const CliRun r = Cli({"printers", "--spooler", Spool()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "TEN-10 A\tTEN-10\tusb//Maker/T10\nten-10 b\tTEN-10\tLPT1\n点字　両面\tNABCC-DBL\t\n");
}

TEST_F(CliTest, PrintersMakesTheVirtualEmbossersFolderOnFirstUse) {
  const std::string folder = dir_.File("new/nested");
  const CliRun first = Cli({"printers", "--spooler", "dir:" + folder});
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.err, "");
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'),
            static_cast<std::ptrdiff_t>(printers::AllModels().size()));
  EXPECT_EQ(Cli({"printers", "--spooler", "dir:" + folder}).out, first.out);
}

TEST_F(CliTest, PrintersSaysWhyTheVirtualEmbossersFolderCannotBeMade) {
  dir_.Write("plain", std::string("a file, not a folder"));
  const std::string folder = dir_.File("plain/spool");
  const std::string why =
      "フォルダ「" + folder + "」を作成できません: " + std::strerror(ENOTDIR) + "\n";
  const CliRun r = Cli({"printers", "--spooler", "dir:" + folder});
  EXPECT_EQ(r.status, 1);
  // The dialog says it at start-up for the list, then for the port; the reason comes once.
  EXPECT_EQ(r.err, "プリンタの列挙に失敗\nプリンタの列挙に失敗\n" + why);
  EXPECT_EQ(r.out, "");
  const CliRun print =
      Cli({"print", Sample("sample.BSE"), "--printer", "仮想TEN-10", "--spooler", "dir:" + folder});
  EXPECT_EQ(print.status, 1);
  EXPECT_EQ(print.err, "プリンタの列挙に失敗\nプリンタの列挙に失敗\n" + why);
  EXPECT_EQ(Cli({"printers", "--spooler", "lpd:x"}).status, 2);

  // A job the embosser's folder cannot take: the message box's words, then the reason.
  const std::string spool = dir_.File("spool");
  std::filesystem::create_directory(spool);
  dir_.Write("spool/仮想TEN-10", std::string("a file, not a folder"));
  const CliRun job =
      Cli({"print", Sample("sample.BSE"), "--printer", "仮想TEN-10", "--spooler", "dir:" + spool});
  EXPECT_EQ(job.status, 1);
  const std::string said =
      "印刷できませんでした\nファイル「" + spool + "/仮想TEN-10」に書けません: ";
  EXPECT_EQ(job.err.substr(0, said.size()), said);  // then the system's reason
  EXPECT_GT(job.err.size(), said.size() + 2);

  // Wine runs a Windows program as the user who starts it, in that user's own prefix.
  if (CliOnWindows()) GTEST_SKIP() << "another user's permissions are POSIX's";
  const std::optional<UnprivilegedUser> user = TestUser();
  if (!user) GTEST_SKIP() << "no user but root to test file permissions with";
  RunCopyOfProgram();  // which the user can run whatever the build folder's place
  std::filesystem::create_directory(dir_.path() / "locked");
  GiveTo(*user, dir_.path());
  ::chmod(dir_.File("locked").c_str(), 0555);
  const CliRun denied =
      Cli({"printers", "--spooler", "dir:" + dir_.File("locked/spool")}, RunAsPrefix(*user));
  EXPECT_EQ(denied.status, 1);
  EXPECT_EQ(denied.err, "プリンタの列挙に失敗\nプリンタの列挙に失敗\nフォルダ「" +
                            dir_.File("locked/spool") +
                            "」を作成できません: " + std::strerror(EACCES) + "\n");
}

TEST_F(CliTest, InfoRefusesOtherExtensionsWithNothingOnStdout) {
  const CliRun r = Cli({"info", dir_.Write("notes.txt", std::string("hello"))});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "この形式のファイルは開けません\n");
}

TEST_F(CliTest, InfoReaderFailurePrintsTheMessageAndTheFields) {
  const CliRun r = Cli({"info", dir_.Write("old.BES", std::string("%BET3"))});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "このバージョンのファイルは開けません。\n");
  EXPECT_EQ(r.out, "cells_per_line: 0\nlines_per_page: 0\npages: 0\ngraphics: 図形なし\n");
}

TEST_F(CliTest, PrintToAVirtualEmbosserEqualsTheOutputFile) {
  const std::string spool = Spool();
  const std::vector<std::string> choices = {"--from", "2",       "--to",   "3",          "--copies",
                                            "2",      "--sides", "double", "--graphics", "off"};
  std::vector<std::string> args = {"print",       Sample("sample.BES"), "--printer",
                                   "仮想TEN-100", "--spooler",          spool};
  args.insert(args.end(), choices.begin(), choices.end());
  CliRun r = Cli(args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "印刷を　終了しました\n");
  // Graphics off on a graphics document: the warning is printed and answered.
  EXPECT_NE(r.err.find("図形出力のチェックが外れているため"), std::string::npos);
  std::vector<std::filesystem::path> jobs;
  for (const auto& e : std::filesystem::directory_iterator(dir_.path() / "spool" / "仮想TEN-100")) {
    jobs.push_back(e.path());
  }
  ASSERT_EQ(jobs.size(), 1u);

  args = {"print",       Sample("sample.BES"), "--printer",
          "仮想TEN-100", "--output",           dir_.File("job.bin")};
  args.insert(args.end(), choices.begin(), choices.end());
  r = Cli(args);
  ASSERT_EQ(r.status, 0) << r.err;
  const auto bytes = ReadBytes(dir_.File("job.bin"));
  EXPECT_EQ(bytes, ReadBytes(jobs[0].string()));
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 3), "\x1b\x1bN");
}

// A refusal of the dialog's reaches stderr and writes nothing (the rules themselves are
// tested where the dialog decides them); a printer varnel-cli cannot choose is its own.
TEST_F(CliTest, PrintRefusesWhatTheDialogRefuses) {
  const std::string spool = Spool();
  const std::string out = dir_.File("job.bin");
  auto print = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = {"print",      Sample("sample.BSE"), "--printer",
                                     "仮想TEN-10", "--output",           out};
    args.insert(args.end(), extra.begin(), extra.end());
    return Cli(args);
  };
  CliRun r = print({"--sides", "front"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "このプリンタわ　片面ごとの　両面印刷わ　できません\n");
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(r.out, "");

  r = Cli({"print", Sample("sample.BSE"), "--printer", "Office laser", "--output", out});
  EXPECT_EQ(r.status, 1);
  r = Cli({"print", Sample("sample.BSE"), "--printer", "nobody", "--spooler", spool});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Cli({"print", Sample("sample.BSE")}).status, 2);
  EXPECT_EQ(Cli({"print", Sample("sample.BSE"), "--printer", "x", "--sides", "sideways"}).status,
            2);
  EXPECT_EQ(Cli({"frobnicate"}).status, 2);
  EXPECT_EQ(Cli({}).status, 2);
  EXPECT_EQ(Cli({"--help"}).status, 0);
}

TEST_F(CliTest, PrintSelectsThePrinterAsTheComboBoxDoesAndSavesIt) {
  const CliRun r = Cli({"print", Sample("sample.NAB"), "--printer", "仮想点字片面", "--spooler",
                        Spool(), "--sides", "back"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto record = ReadBytes(dir_.File("Varnel.ini"));
  ASSERT_EQ(record.size(), 1024u);
  EXPECT_EQ(std::string(record.begin() + 752, record.begin() + 763), "NABCC-SGL\r\n");
}

}  // namespace
}  // namespace test
