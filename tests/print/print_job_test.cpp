// The print job: pages by sides, copies, progress, waits, cancel, and failures.
#include <fstream>

#include "print/print_fixture.h"
#include "res/resource.h"
#include "speech/sentences.h"
#include "support/braille_files.h"

namespace test {
namespace {

using ::testing::ElementsAre;

class PrintJobTest : public PrintTest {
 protected:
  // Records the progress bar and text at every pump of the job.
  void WatchProgress() {
    const auto watch = [this] {
      if (platform::HeadlessHost* p = windows_.Find(res::kIddProgress)) {
        positions_.push_back(p->ProgressPos(res::kIdcProgressBar));
        const std::string text = p->GetText(res::kIdcProgressText);
        if (texts_.empty() || texts_.back() != text) texts_.push_back(text);
        mainEnabledDuringJob_ = host().IsWindowEnabled();
      }
    };
    pump_.OnEveryPump(watch);
    clock_.OnEveryWait(watch);
  }
  // The pages the job embossed, by the first line of each.
  std::vector<std::string> PagesOf(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> pages;
    const std::string s(bytes.begin(), bytes.end());
    for (std::size_t at = s.find("L1\r\n"); at != std::string::npos;
         at = s.find("L1\r\n", at + 1)) {
      const std::size_t start = s.rfind('P', at);
      pages.push_back(s.substr(start, at - start));
    }
    return pages;
  }
  std::vector<int> positions_;
  std::vector<std::string> texts_;
  bool mainEnabledDuringJob_ = true;
};

TEST_F(PrintJobTest, FrontSidePrintsOddPagesAndNamesEachInTheProgressText) {
  StartWith("ESA721");
  LoadPages(18, 5);
  host().PressAlt('O');
  WatchProgress();
  const auto bytes = Print();
  EXPECT_THAT(PagesOf(bytes), ElementsAre("P1", "P3", "P5"));
  EXPECT_THAT(texts_, ElementsAre("", "（ 1 ／ 1 部 ）　　1 頁を印刷中です",
                                  "（ 1 ／ 1 部 ）　　3 頁を印刷中です",
                                  "（ 1 ／ 1 部 ）　　5 頁を印刷中です"));
  SetRange(2, 5);
  EXPECT_THAT(PagesOf(Print()), ElementsAre("P3", "P5"));
}

TEST_F(PrintJobTest, BackSideOfASinglePageRangeStillStartsAndEndsTheJob) {
  StartWith("ESA721");
  LoadPages(18, 2);
  host().PressAlt('U');
  SetRange(1, 1);
  EXPECT_EQ(Print(), B("\x1b\x1bN\x1b\x1b"
                       "F00"));
  EXPECT_EQ(clipboard_.Text(), speech::kPrintFinished);
}

TEST_F(PrintJobTest, ProgressBarStepsThroughPagesAndCopies) {
  StartWith("NABCC-SGL");
  LoadPages(22, 5);
  SetRange(3, 4, 2);
  WatchProgress();
  const auto bytes = Print();
  EXPECT_THAT(PagesOf(bytes), ElementsAre("P3", "P4", "P3", "P4"));
  std::vector<int> distinct;
  for (int p : positions_) {
    if (distinct.empty() || distinct.back() != p) distinct.push_back(p);
  }
  EXPECT_THAT(distinct, ElementsAre(0, 25, 50, 75, 100));
  EXPECT_FALSE(mainEnabledDuringJob_);
  EXPECT_TRUE(host().IsWindowEnabled());
  EXPECT_EQ(windows_.Find(res::kIddProgress), nullptr);
}

TEST_F(PrintJobTest, EndOfJobWaitsAnnouncesAndPutsFocusOnPrint) {
  StartWith("TEN-10");
  LoadPages(22, 1);
  host().SetFocus(res::kIdcStartPage);
  const auto bytes = Print();
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(clipboard_.Text(), "印刷を　終了しました");
  ASSERT_EQ(clock_.Waits().size(), 2u);
  EXPECT_EQ(clock_.Waits()[0].milliseconds, 200u);
  EXPECT_EQ(clock_.Waits()[1].milliseconds, 2000u);
  EXPECT_EQ(host().GetFocus(), res::kIdcPrint);
  const platform::MemoryJob& job = spooler_.Jobs().back();
  EXPECT_EQ(job.printer, "TEN-10 USB");
  EXPECT_EQ(job.documentName, dlg().m_strFilePath);
  EXPECT_TRUE(job.ended);
  EXPECT_TRUE(job.closed);
  EXPECT_EQ(job.writeCalls, bytes.size());  // one spooler write per byte
}

TEST_F(PrintJobTest, ParallelPortsPauseAfterEveryByte) {
  StartWith("NABCC-SGL", "LPT1:");
  LoadPages(4, 1);
  const auto bytes = Print();
  EXPECT_EQ(clock_.Total(platform::WaitPurpose::kDevicePacing), 2 * bytes.size());
  DestroyAndRestart();
  spooler_.Printers().clear();
}

TEST_F(PrintJobTest, ProgressWindowTitleNamesTheFile) {
  StartWith("NABCC-SGL");
  LoadPages(4, 1);
  std::string title;
  pump_.At(1, [&] { title = windows_.Find(res::kIddProgress)->Title(); });
  Print();
  EXPECT_EQ(title, "  印刷中  " + dlg().m_strFilePath);
}

TEST_F(PrintJobTest, CancelEndsTheJobNormally) {
  StartWith("TEN-10");
  LoadPages(22, 3);
  SetRange(1, 3, 2);
  // Pump 1 is the first page's bar; pumps 2 to 4 follow lines 1 to 3.
  pump_.At(3, [this] { windows_.Find(res::kIddProgress)->Click(platform::kIdCancel); });
  // The page's bytes: tests/print/embosser_stream_test.cpp.
  EXPECT_THAT(PagesOf(Print()), ElementsAre("P1"));
  EXPECT_EQ(clipboard_.Text(), "印刷を　終了しました");
  EXPECT_TRUE(spooler_.Jobs().back().ended);

  // A new job starts with the cancel request cleared.
  EXPECT_THAT(PagesOf(Print()), ElementsAre("P1", "P2", "P3", "P1", "P2", "P3"));
}

TEST_F(PrintJobTest, CancelByEnterEscAndCloseBoxAndRepeatedCancels) {
  StartWith("NABCC-SGL");
  LoadPages(4, 3);
  const std::function<void(platform::HeadlessHost&)> cancels[] = {
      [](platform::HeadlessHost& p) { p.PressKey(platform::kVkReturn); },
      [](platform::HeadlessHost& p) { p.PressKey(platform::kVkEscape); },
      [](platform::HeadlessHost& p) { p.CloseBox(); },
      [](platform::HeadlessHost& p) {
        p.Click(platform::kIdCancel);
        p.Click(platform::kIdCancel);
      }};
  for (const auto& cancel : cancels) {
    pump_.At(pump_.Count() + 2, [&] {
      platform::HeadlessHost* p = windows_.Find(res::kIddProgress);
      cancel(*p);
      EXPECT_FALSE(p->Ended());  // the window stays until the job ends
    });
    EXPECT_THAT(PagesOf(Print()), ElementsAre("P1"));
    EXPECT_EQ(clipboard_.Text(), "印刷を　終了しました");
  }
}

TEST_F(PrintJobTest, AFailedWriteStopsTheJobAndIsNeverReportedAsPrinted) {
  StartWith("TEN-10");
  LoadPages(22, 3);
  spooler_.FailWriteAt(40);
  const auto bytes = Print();
  EXPECT_EQ(bytes.size(), 39u);
  const platform::MemoryJob& job = spooler_.Jobs().back();
  EXPECT_EQ(job.writeCalls, 40u);  // nothing sent after the failure
  EXPECT_TRUE(job.aborted);
  EXPECT_TRUE(job.closed);
  EXPECT_FALSE(job.ended);
  ASSERT_THAT(Messages(), ElementsAre("印刷できませんでした"));
  EXPECT_EQ(windows_.MessageBoxes()[0].caption, "Error");
  EXPECT_EQ(windows_.MessageBoxes()[0].type, 0x10u);
  EXPECT_TRUE(clipboard_.History().empty());
  EXPECT_EQ(windows_.Find(res::kIddProgress), nullptr);
  EXPECT_TRUE(host().IsWindowEnabled());
  EXPECT_EQ(host().GetFocus(), res::kIdcPrint);
}

TEST_F(PrintJobTest, ADocumentThatCannotBeCompletedIsAFailureToo) {
  StartWith("TEN-10");
  LoadPages(22, 1);
  spooler_.FailEndDocument(true);
  Print();
  EXPECT_THAT(Messages(), ElementsAre("印刷できませんでした"));
  EXPECT_TRUE(spooler_.Jobs().back().aborted);
  EXPECT_TRUE(clipboard_.History().empty());
  EXPECT_TRUE(host().IsWindowEnabled());
}

TEST_F(PrintJobTest, PrinterThatCannotBeOpenedOrStarted) {
  StartWith("TEN-10");
  LoadPages(22, 1);
  spooler_.FailStartDocument(true);
  Print();
  EXPECT_THAT(Messages(), ElementsAre("印刷できませんでした"));
  EXPECT_EQ(windows_.MessageBoxes().back().caption, "Error");
  spooler_.Printers().clear();
  Print();
  EXPECT_THAT(Messages(), ElementsAre("印刷できませんでした", "プリンタのオープンに失敗しました"));
  EXPECT_EQ(windows_.MessageBoxes().back().type, 0x10u);
  EXPECT_TRUE(spooler_.Jobs().empty());
  EXPECT_TRUE(clipboard_.History().empty());
  EXPECT_EQ(windows_.ModalRuns().size(), 0u);
}

TEST_F(PrintJobTest, LongPrinterNameAndPathArePassedWhole) {
  const std::string name = "TEN-10 " + std::string(300, 'x');
  spooler_.AddPrinter(name, "USB001");
  spooler_.AddPrinter(name.substr(0, 259), "USB002");  // a name the cut one would open
  Start();
  host().Choose(res::kIdcPrinter, name);
  std::filesystem::create_directories(dir_.path() / std::string(200, 'd'));
  const std::string path = (dir_.path() / std::string(200, 'd') / "doc.BSE").string();
  std::ofstream(path, std::ios::binary) << BaseFile("3222", "A\n");
  Browse(path);
  ASSERT_FALSE(Print().empty());
  EXPECT_EQ(spooler_.Jobs().back().printer, name);
  EXPECT_EQ(spooler_.Jobs().back().documentName, path);
}

TEST_F(PrintJobTest, ProgressWindowThatCannotBeMadeLeavesTheJobRunning) {
  StartWith("NABCC-SGL");
  LoadPages(4, 2);
  windows_.FailNextCreation();
  EXPECT_THAT(PagesOf(Print()), ElementsAre("P1", "P2"));
  EXPECT_TRUE(host().IsWindowEnabled());
  EXPECT_EQ(clipboard_.Text(), "印刷を　終了しました");
}

// The dialog's choices reach the encoder: a drawing with page breaks switched off still
// ends its page (the drawing's bytes: tests/print/embosser_stream_test.cpp).
TEST_F(PrintJobTest, EdelDrawingEndsItsPageWhateverThePageBreakOption) {
  StartWith("NewESA721");
  host().PressAlt('K');
  ASSERT_EQ(dlg().m_bPageBreak, 0);
  LoadFile("d.EDL", "EDEL\n1ABCD\r");
  const auto bytes = Print();
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0x0c), 1);
}

}  // namespace
}  // namespace test
