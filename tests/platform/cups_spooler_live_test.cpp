// The CUPS spooler against a private scheduler, for what varnel-cli cannot reach: opening
// and giving up documents, documents of every length against the blocks the job sends,
// and a block that cannot be sent. tests/cups/test_spooler.sh starts a scheduler and runs
// these tests with VARNEL_CUPS_FIXTURE set to its folder; without it they are skipped.
// Listing, delivery, refusals and a lost server are tested through varnel-cli in tests/cups/.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/cups/cups_job.h"
#include "platform/cups/cups_spooler.h"
#include "support/dialog_fixture.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Runs a program with its arguments, without a shell; true when it exits with 0.
bool RunProgram(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::uint8_t> RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 gen(seed);
  std::vector<std::uint8_t> bytes(size);
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(gen());
  return bytes;
}

// The job-cancel-after of the newest job the scheduler knows; -1 when it has none.
int NewestJobCancelAfter() {
  static const char* const kAttributes[] = {"job-id", "job-cancel-after"};
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/");
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                kAttributes);
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  int newest = 0, id = 0, value = -1;
  for (ipp_attribute_t* a = ippFirstAttribute(response); a != nullptr;
       a = ippNextAttribute(response)) {
    const std::string name = ippGetName(a) != nullptr ? ippGetName(a) : "";
    if (name == "job-id") id = ippGetInteger(a, 0);
    if (name == "job-cancel-after" && id >= newest) {
      newest = id;
      value = ippGetInteger(a, 0);
    }
  }
  ippDelete(response);
  return value;
}

class CupsLive : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* dir = std::getenv("VARNEL_CUPS_FIXTURE");
    if (dir == nullptr) GTEST_SKIP() << "needs the private scheduler of tests/cups/test_spooler.sh";
    dir_ = dir;
  }

  // A raw queue whose jobs land in the file `out` names (in the fixture's out folder).
  std::string AddQueue(const std::string& name, const std::string& out) {
    const std::string path = (dir_ / "out" / out).string();
    EXPECT_TRUE(RunProgram({"lpadmin", "-p", name, "-E", "-v", "capture:" + path})) << name;
    return path;
  }

  // Waits until the scheduler has no active job left.
  void WaitIdle() {
    const auto end = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < end) {
      if (RunProgram({"sh", "-c", "test -z \"$(lpstat -o 2>/dev/null)\""})) return;
      std::this_thread::sleep_for(50ms);
    }
    ADD_FAILURE() << "jobs still active after 30 s";
  }

  // Sends `bytes` one write per byte; false at the first refused write.
  static bool WriteEach(platform::PrinterConnection& printer,
                        const std::vector<std::uint8_t>& bytes, std::size_t* sent = nullptr) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      std::uint32_t written = 99;
      const bool ok = printer.Write(&bytes[i], 1, &written);
      EXPECT_EQ(written, ok ? 1u : 0u);
      if (!ok) {
        if (sent != nullptr) *sent = i;
        return false;
      }
    }
    if (sent != nullptr) *sent = bytes.size();
    return true;
  }

  // The printer, after a document it gave up, takes the next one whole; then its queue
  // goes.
  void ExpectNextDocumentPrints(platform::PrinterConnection& printer, const std::string& queue,
                                const std::string& out) {
    ASSERT_TRUE(printer.StartDocument("after"));
    ASSERT_TRUE(WriteEach(printer, test::Bytes("after")));
    ASSERT_TRUE(printer.EndDocument());
    WaitIdle();
    EXPECT_EQ(test::ReadBytes(out), test::Bytes("after"));
    ASSERT_TRUE(RunProgram({"lpadmin", "-x", queue}));
  }

  fs::path dir_;
};

// Stops the scheduler (as a hung server) until the end of the scope, or until Resume.
class StoppedScheduler {
 public:
  explicit StoppedScheduler(pid_t pid) : pid_(pid) { stopped_ = ::kill(pid_, SIGSTOP) == 0; }
  ~StoppedScheduler() { Resume(); }
  StoppedScheduler(const StoppedScheduler&) = delete;
  StoppedScheduler& operator=(const StoppedScheduler&) = delete;

  bool stopped() const { return stopped_; }
  void Resume() {
    if (stopped_) ::kill(pid_, SIGCONT);
    stopped_ = false;
  }

 private:
  pid_t pid_;
  bool stopped_ = false;
};

TEST_F(CupsLive, OpensOnlyQueuesThatExist) {
  AddQueue("ESA721", "esa721.bin");
  platform::cups::Spooler spooler;
  EXPECT_NE(spooler.Open("ESA721"), nullptr);
  EXPECT_EQ(spooler.Open("NoSuchQueue"), nullptr);
  EXPECT_EQ(spooler.Open("ESA721 "), nullptr);
  // An empty name would otherwise reach the default queue.
  ASSERT_TRUE(RunProgram({"lpadmin", "-d", "ESA721"}));
  EXPECT_EQ(spooler.Open(""), nullptr);
  // A queue removed after it was opened takes no job.
  std::unique_ptr<platform::PrinterConnection> printer = spooler.Open("ESA721");
  ASSERT_NE(printer, nullptr);
  ASSERT_TRUE(RunProgram({"lpadmin", "-x", "ESA721"}));
  EXPECT_FALSE(printer->StartDocument("/tmp/a.BSE"));
  EXPECT_EQ(spooler.Open("ESA721"), nullptr);
}

TEST_F(CupsLive, AnAbandonedDocumentPrintsNothing) {
  const std::string out = AddQueue("TEN10", "ten10.bin");
  const std::vector<std::uint8_t> bytes = RandomBytes(200 * 1024, 3);
  platform::cups::Spooler spooler;
  std::unique_ptr<platform::PrinterConnection> printer = spooler.Open("TEN10");
  ASSERT_NE(printer, nullptr);
  ASSERT_TRUE(printer->StartDocument("aborted"));
  ASSERT_TRUE(WriteEach(*printer, bytes));
  printer->AbortDocument();
  std::uint32_t written = 0;
  EXPECT_FALSE(printer->Write(bytes.data(), 1, &written));
  EXPECT_FALSE(printer->EndDocument());
  {
    // Closed, or destroyed, in the middle of a document: the same.
    std::unique_ptr<platform::PrinterConnection> other = spooler.Open("TEN10");
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(other->StartDocument("closed"));
    ASSERT_TRUE(WriteEach(*other, bytes));
    other->Close();
    other = spooler.Open("TEN10");
    ASSERT_TRUE(other->StartDocument("destroyed"));
    ASSERT_TRUE(WriteEach(*other, bytes));
  }
  WaitIdle();
  EXPECT_FALSE(fs::exists(out));

  ExpectNextDocumentPrints(*printer, "TEN10", out);
}

TEST_F(CupsLive, DeliversEveryByteWhateverTheLength) {
  // The job collects bytes into blocks: documents that end inside a block, at its end or
  // just after it arrive whole, one after another on the same connection.
  const std::string out = AddQueue("NABCC-DBL", "nabcc.bin");
  platform::cups::Spooler spooler;
  std::unique_ptr<platform::PrinterConnection> printer = spooler.Open("NABCC-DBL");
  ASSERT_NE(printer, nullptr);
  constexpr std::size_t kBlock = platform::cups::kBlockBytes;
  for (const std::size_t size :
       {std::size_t{1}, kBlock - 1, kBlock, kBlock + 1, 3 * kBlock + 1234}) {
    SCOPED_TRACE(size);
    const std::vector<std::uint8_t> bytes = RandomBytes(size, static_cast<unsigned>(size));
    fs::remove(out);
    ASSERT_TRUE(printer->StartDocument("lengths"));
    ASSERT_TRUE(WriteEach(*printer, bytes));
    ASSERT_TRUE(printer->EndDocument());
    // The job's time limit comes from its size (the longest document needs more than the
    // scheduler's 3 hours at a slow embosser's pace). Its verdict: tests/cups/test_follow.sh.
    EXPECT_EQ(NewestJobCancelAfter(), platform::cups::CancelAfterSeconds(size));
    WaitIdle();
    EXPECT_EQ(test::ReadBytes(out), bytes);
  }
  ASSERT_TRUE(RunProgram({"lpadmin", "-x", "NABCC-DBL"}));
}

TEST_F(CupsLive, ABlockThatCannotBeSentFailsTheJob) {
  const char* pid = std::getenv("CUPSFIX_PID");
  if (pid == nullptr) GTEST_SKIP() << "needs the scheduler's process id (CUPSFIX_PID)";
  const std::string out = AddQueue("TEN100", "ten100.bin");
  // The waiting policy gives a request up at its first wait while the scheduler is stopped.
  bool stalled = false;
  int waits = 0;
  platform::cups::Spooler spooler([&] {
    ++waits;
    return !stalled;
  });
  std::unique_ptr<platform::PrinterConnection> printer = spooler.Open("TEN100");
  ASSERT_NE(printer, nullptr);
  ASSERT_TRUE(printer->StartDocument("stalled"));

  // Far more than the connection holds while nobody reads it: a block waits, is given
  // up, and that write fails. (Should the failure go unnoticed, each later block would
  // wait too: a few waits are enough to tell.)
  const std::vector<std::uint8_t> bytes = RandomBytes(16 << 20, 5);
  StoppedScheduler scheduler(std::stoi(pid));
  ASSERT_TRUE(scheduler.stopped());
  stalled = true;
  std::size_t sent = 0;
  bool refused = false;
  for (; sent < bytes.size() && waits < 3 && !refused; ++sent) {
    std::uint32_t written = 99;
    refused = !printer->Write(&bytes[sent], 1, &written);
    EXPECT_EQ(written, refused ? 0u : 1u);
  }
  scheduler.Resume();
  stalled = false;
  ASSERT_TRUE(refused);
  EXPECT_EQ(waits, 1);
  // The write that failed is the one that completed a block.
  EXPECT_EQ(sent % platform::cups::kBlockBytes, 0u) << sent;

  // From then on every write fails, and so does the document; none of it prints.
  std::uint32_t written = 99;
  EXPECT_FALSE(printer->Write(bytes.data(), 1, &written));
  EXPECT_EQ(written, 0u);
  EXPECT_FALSE(printer->EndDocument());
  WaitIdle();
  EXPECT_FALSE(fs::exists(out));

  ExpectNextDocumentPrints(*printer, "TEN100", out);
}

}  // namespace
