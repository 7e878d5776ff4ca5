// Checking a job before embossing from the command line: show, info's sheets and
// print --dry-run, as a script uses them.
#include "cli/cli_fixture.h"
#include "res/messages.h"
#include "support/braille_files.h"

namespace test {
namespace {

class CliReadBackTest : public CliTest {
 protected:
  // Two pages of three lines: "A", a blank line, "ab" / "#1".
  std::string TwoPages() { return dir_.Write("two.BSE", BaseFile(32, 3, {"A", "", "ab", "#1"})); }
};

TEST_F(CliReadBackTest, ShowPrintsThePagesAsEmbossedAndDrawsThemInSvg) {
  const std::string svg = dir_.File("pages.svg");
  const CliRun r = Cli({"show", TwoPages(), "--svg", svg});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "page 1/2\n⠁\n⠀⠀\n⠁⠃\npage 2/2\n⠼⠂\n⠀⠀\n⠀⠀\n");
  // A: 1 dot, a b: 1 + 2, # 1: 4 + 1.
  const std::string picture = ReadAll(svg);
  std::size_t circles = 0;
  for (auto at = picture.find("<circle"); at != std::string::npos;
       at = picture.find("<circle", at + 1))
    ++circles;
  EXPECT_EQ(circles, 9u);
  const std::string wellFormed =
      "python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' " + Quote(svg);
  EXPECT_EQ(std::system(wellFormed.c_str()), 0);

  const CliRun drawing = Cli({"show", Sample("sample.BES"), "--pages", "2"});
  EXPECT_EQ(drawing.out.substr(0, drawing.out.find('\n', 9) + 1),
            "page 2/4\ngraphics: 64 objects\n");
  EXPECT_EQ(Cli({"show", Sample("drawing.EDL")}).out, "page 1/1\ngraphics: 157 objects\n");

  const CliRun past = Cli({"show", TwoPages(), "--pages", "2-3"});
  EXPECT_EQ(past.status, 1);
  EXPECT_EQ(past.err, std::string(res::kEndPagePastEnd) + "\n");
  EXPECT_EQ(Cli({"show", TwoPages(), "--pages", "two"}).status, 2);
  const CliRun refused = Cli({"show", dir_.Write("old.BES", std::string("%BET3"))});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
}

// The sheets come from the job the choices make: pages on one side each, or fronts and
// backs on a double-sided embosser with a blank back closing each copy of an odd range.
TEST_F(CliReadBackTest, InfoAndDryRunCountTheSheetsAndSendNothing) {
  const CliRun info = Cli({"info", Sample("sample.BES")});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.out,
            "cells_per_line: 32\nlines_per_page: 18\npages: 4\ngraphics: 図形あり\nsheets: 4\n");
  const std::string spool = Spool();
  const std::vector<std::string> job = {
      Sample("sample.BES"), "--printer", "仮想点字両面", "--spooler", spool, "--from", "2",
      "--copies",           "3"};
  std::vector<std::string> args = {"info"};
  args.insert(args.end(), job.begin(), job.end());
  EXPECT_EQ(Cli(args).out.substr(info.out.find("sheets")), "sheets: 6\n");  // (3 + 1) / 2 each
  args[0] = "print";
  args.push_back("--dry-run");
  const CliRun dry = Cli(args);
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_EQ(dry.out, "sheets: 6\n");
  EXPECT_TRUE(NamesIn(spool.substr(4) + "/仮想点字両面").empty());

  args.insert(args.end(), {"--to", "1"});
  const CliRun refused = Cli(args);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, std::string(res::kEndBeforeStart) + "\n");
}

}  // namespace
}  // namespace test
