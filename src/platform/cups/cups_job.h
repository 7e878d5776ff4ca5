// An opened CUPS queue: one raw job at a time, streamed to the scheduler in blocks as it is
// written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cups/cups_http.h"
#include "platform/job_termination.h"
#include "platform/spooler.h"

namespace platform::cups {

// The bytes a job collects before it hands them to libcups. A call into libcups costs about
// as much for one byte as for thousands, and the print job writes a line or a single byte
// at a time.
inline constexpr std::size_t kBlockBytes = 64 * 1024;

// The seconds a job may take once it prints, for the scheduler's job-cancel-after: its
// bytes at the pace of a slow embosser, and never less than the scheduler's own default
// limit (MaxJobTime, 3 hours), which would otherwise cancel a long job in mid-page.
std::uint64_t CancelAfterSeconds(std::uint64_t bytes);

class Job : public PrinterConnection {
 public:
  // `http` is the connection on which the queue was found; the job goes over it.
  // `failure` receives why a document failed.
  Job(std::unique_ptr<Http> http, std::string printer, std::function<bool()> keepWaiting,
      std::shared_ptr<std::string> failure = std::make_shared<std::string>());
  ~Job() override;

  // Creates the job and starts its one raw document, titled after the document's name.
  bool StartDocument(std::string_view documentName) override;
  // Collects the bytes, and sends them once a block is full. The first failure is kept:
  // the write whose block could not be sent and every later one return false, and the job
  // can no longer succeed. A request to end the program fails the job the same way, so
  // that it is cancelled rather than left held on the server.
  bool Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) override;
  // A write only adds to the block under way.
  bool TakesRuns() const override { return true; }
  // Sends the bytes still collected and ends the document; false when a block could not be
  // sent or the scheduler did not take the job, which is then cancelled so that no part
  // of it prints.
  bool EndDocument() override;
  // Cancels the job: nothing of it prints.
  void AbortDocument() override;
  // Releases the queue; a document still open is cancelled.
  void Close() override;
  // Follows the job of the last document that ended.
  std::unique_ptr<JobTracker> FollowLastDocument() override;

 private:
  enum class State { kIdle, kPrinting, kFailed };

  // Hands the collected bytes to libcups; false, and the job failed, when the connection
  // did not take them.
  bool Flush();
  // Drops the job's connection (its request may be half sent) and cancels the job.
  void GiveUp();
  // Keeps the first reason a document failed; false, for the caller to return.
  bool Fail(std::string why);

  std::unique_ptr<Http> http_;
  std::string printer_;
  std::function<bool()> keepWaiting_;
  std::shared_ptr<std::string> failure_;
  State state_ = State::kIdle;
  int job_ = 0;
  // The job of the last document that ended, and the bytes of the document under way.
  int lastJob_ = 0;
  std::uint64_t documentBytes_ = 0;
  std::vector<std::uint8_t> block_;
  // While the job is held on the server: a signal then leaves it to be cancelled here.
  std::optional<JobUnderWay> underWay_;
};

}  // namespace platform::cups
