#include "platform/win32/job_follow.h"

#include <windows.h>
// After windows.h.
#include <winspool.h>

#include <chrono>
#include <functional>
#include <vector>

#include "platform/threaded_tracker.h"
#include "platform/win32/utf16.h"

namespace platform::win32 {

namespace {

constexpr std::chrono::milliseconds kAskInterval(1000);

// A job status that holds the job back: the device or the printer needs someone.
constexpr DWORD kJobStopped = JOB_STATUS_ERROR | JOB_STATUS_OFFLINE | JOB_STATUS_PAPEROUT |
                              JOB_STATUS_USER_INTERVENTION | JOB_STATUS_BLOCKED_DEVQ;
constexpr DWORD kPrinterStopped = PRINTER_STATUS_ERROR | PRINTER_STATUS_OFFLINE |
                                  PRINTER_STATUS_PAPER_OUT | PRINTER_STATUS_PAPER_JAM |
                                  PRINTER_STATUS_PAUSED | PRINTER_STATUS_USER_INTERVENTION |
                                  PRINTER_STATUS_DOOR_OPEN | PRINTER_STATUS_NOT_AVAILABLE;

class Handle {
 public:
  explicit Handle(std::wstring name) : name_(std::move(name)) {}
  ~Handle() {
    if (printer_ != nullptr) ClosePrinter(printer_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE Get() {
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    if (printer_ == nullptr && !OpenPrinterW(name_.data(), &printer_, &defaults)) {
      printer_ = nullptr;
    }
    return printer_;
  }

 private:
  std::wstring name_;
  HANDLE printer_ = nullptr;
};

bool AskJob(Handle& handle, DWORD job, JobReport& report) {
  const HANDLE printer = handle.Get();
  if (printer == nullptr) return false;
  DWORD needed = 0;
  SetLastError(ERROR_SUCCESS);
  GetJobW(printer, job, 2, nullptr, 0, &needed);
  if (needed == 0) {
    // The spooler deletes a job once it is done with it, and then says the job number is
    // wrong. Wine's spooler, which hands its jobs on to CUPS when they end and forgets
    // them, fails without a reason.
    const DWORD why = GetLastError();
    if (why != ERROR_INVALID_PARAMETER && why != ERROR_SUCCESS) return false;
    report = {JobPhase::kGone, false, {}};
    return true;
  }
  std::vector<BYTE> buffer(needed);
  if (!GetJobW(printer, job, 2, buffer.data(), needed, &needed)) return false;
  const auto* info = reinterpret_cast<const JOB_INFO_2W*>(buffer.data());
  const DWORD status = info->Status;
  report = {JobPhase::kQueued, false, {}};
  if (info->pStatus != nullptr) report.reason = Utf8ForDisplay(info->pStatus);
  if ((status & (JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE)) != 0) {
    report = {JobPhase::kSent, false, {}};
  } else if ((status & (JOB_STATUS_DELETING | JOB_STATUS_DELETED)) != 0) {
    report.phase = JobPhase::kCancelled;
  } else if ((status & kJobStopped) != 0) {
    report.printerStopped = true;
  } else {
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> printerInfo(needed);
    if (needed > 0 && GetPrinterW(printer, 2, printerInfo.data(), needed, &needed)) {
      const auto* p = reinterpret_cast<const PRINTER_INFO_2W*>(printerInfo.data());
      report.printerStopped = (p->Status & kPrinterStopped) != 0;
    }
  }
  return true;
}

}  // namespace

std::unique_ptr<JobTracker> FollowJob(std::wstring printer, unsigned long job) {
  auto handle = std::make_shared<Handle>(std::move(printer));
  return std::make_unique<ThreadedTracker>(
      [handle, job](JobReport& report, const std::function<bool()>&) {
        return AskJob(*handle, job, report);
      },
      kAskInterval);
}

}  // namespace platform::win32
