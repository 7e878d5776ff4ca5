// The two channels of a CUPS filter: the job's bytes on standard output, in blocks, and
// the status lines (ERROR:, INFO:, PAGE:) on standard error.
#pragma once

#include <csignal>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "print/job_spec.h"

namespace filter {

// Writes `message` as one status line after `prefix` ("ERROR", "INFO"): CUPS reads its
// filters' status a line at a time and shows the first line of a kind, so the lines of a
// message are joined by a blank (empty lines left out).
void Report(std::string_view prefix, std::string_view message);

// When standard error is CUPS's status pipe, waits (a second at most) until the scheduler
// has read everything written to it. A filter that ends right after its ERROR: line may
// otherwise be seen ending before the line is read, and the job then shows "Filter
// failed" instead of the reason.
void AwaitStatusRead();

// The job's bytes to a file descriptor, a block at a time. Once a write fails it takes no
// more bytes. A cancel does not stop it: the device backend still reads what the job
// sends to complete its page and close it.
class BlockSink : public print::ByteSink {
 public:
  explicit BlockSink(int fd);
  bool Put(std::uint8_t byte) override;
  bool PutRun(std::span<const std::uint8_t> bytes) override;
  // Writes what is held; false when it could not.
  bool Flush();
  bool Failed() const { return failed_; }

 private:
  int fd_;
  std::vector<std::uint8_t> block_;
  bool failed_ = false;
};

// Reports each page once its bytes have been written, and passes the cancel on (CUPS
// cancels with SIGTERM): the job then ends as the dialog's Cancel ends it.
class PageReporter : public print::JobObserver {
 public:
  PageReporter(BlockSink& sink, const volatile std::sig_atomic_t& stop)
      : sink_(sink), stop_(stop) {}
  void Progress(int) override {}
  void PageStarting(int copy, int copies, int page) override;
  bool CancelRequested() override { return stop_ != 0; }
  void PaceAfterByte() override {}
  // The job has ended: reports its last page if all its bytes went out.
  void Finish();

 private:
  BlockSink& sink_;
  const volatile std::sig_atomic_t& stop_;
  int pending_ = 0;  // the page embossed last, not yet reported; 0 for none
};

}  // namespace filter
