// Virtual embossers and --output on Windows: Japanese folder and printer names, whole
// jobs or none, and the names Windows cannot give a folder.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/dirspool/dir_spooler.h"
#include "platform/dirspool/file_spooler.h"
#include "platform/file_io.h"
#include "windows/windows_test_files.h"

namespace test {
namespace {

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

TEST(DirSpoolerWindowsTest, AJobAppearsWholeInItsEmbossersFolderOrNotAtAll) {
  Utf8TempDir dir;
  const std::string folder = dir.File("仮想の点字プリンタ");
  platform::DirSpooler spooler(folder, {"仮想TEN-100"});
  std::vector<platform::PrinterInfo> printers;
  ASSERT_TRUE(spooler.EnumeratePrinters(printers)) << spooler.LastError();
  ASSERT_EQ(printers.size(), 1u);

  const std::string job(200'000, '\x1b');  // many times the writes' buffer
  ASSERT_TRUE(Print(spooler, "仮想TEN-100", job));
  ASSERT_TRUE(Print(spooler, "仮想TEN-100", "partial", false));
  const std::vector<std::string> jobs = NamesIn(folder + "\\仮想TEN-100");
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].substr(0, 4), "job-");
  EXPECT_EQ(jobs[0].substr(jobs[0].size() - 4), ".brl");
  EXPECT_TRUE(ReadAll(folder + "\\仮想TEN-100\\" + jobs[0]) == job);
}

TEST(DirSpoolerWindowsTest, NamesWindowsCannotGiveAFolderAreLeftOut) {
  Utf8TempDir dir;
  dir.Write("spool\\printers",
            "点字　両面\tLPT1:\nCON\tCOM1\nlpt1.txt\tx\nESA721?\tx\na:b\tx\n"
            "TEN-10.\tx\nback\\slash\tx\nＴＥＮ１００\tUSB001\n");
  platform::DirSpooler spooler(dir.File("spool"), {});
  std::vector<platform::PrinterInfo> printers;
  ASSERT_TRUE(spooler.EnumeratePrinters(printers)) << spooler.LastError();
  std::vector<std::string> names;
  for (const auto& p : printers) names.push_back(p.name + "|" + p.port);
  EXPECT_EQ(names, (std::vector<std::string>{"点字　両面|LPT1:", "ＴＥＮ１００|USB001"}));
}

TEST(DirSpoolerWindowsTest, ListingSaysWhyTheFolderCannotBeMade) {
  Utf8TempDir dir;
  const std::string file = dir.Write("ファイル", "not a folder");
  platform::DirSpooler spooler(file + "\\spool", {"仮想TEN-10"});
  std::vector<platform::PrinterInfo> printers;
  EXPECT_FALSE(spooler.EnumeratePrinters(printers));
  const std::string prefix = "フォルダ「" + file + "\\spool」を作成できません: ";
  EXPECT_EQ(spooler.LastError().substr(0, prefix.size()), prefix);
  EXPECT_GT(spooler.LastError().size(), prefix.size());
}

TEST(FileSpoolerWindowsTest, TheOutputFileHoldsTheWholeJobOrWhatItHeldBefore) {
  Utf8TempDir dir;
  const std::string out = dir.Write("出力\\ジョブ.bin", "old");
  platform::FileSpooler spooler("仮想TEN-10", "FILE", out);
  ASSERT_TRUE(Print(spooler, "仮想TEN-10", "partial", false));
  EXPECT_EQ(ReadAll(out), "old");
  ASSERT_TRUE(Print(spooler, "仮想TEN-10", std::string(100'000, 'n')));
  EXPECT_TRUE(ReadAll(out) == std::string(100'000, 'n'));
  EXPECT_EQ(NamesIn(dir.File("出力")), std::vector<std::string>{"ジョブ.bin"});

  // A read-only file is left as it is, and refused before the job.
  const std::wstring wide = platform::PathFromUtf8(out).native();
  ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(Print(spooler, "仮想TEN-10", "new"));
  EXPECT_TRUE(ReadAll(out) == std::string(100'000, 'n'));
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);

  // A name too long for the temporary file's suffix: the job waits in the temporary
  // folder and is copied in.
  const std::string longName = dir.File("出力\\" + std::string(250, 'n') + ".bin");
  platform::FileSpooler longSpooler("仮想TEN-10", "FILE", longName);
  ASSERT_TRUE(Print(longSpooler, "仮想TEN-10", "long"));
  EXPECT_EQ(ReadAll(longName), "long");
}

}  // namespace
}  // namespace test
