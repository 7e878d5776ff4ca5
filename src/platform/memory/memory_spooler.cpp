#include "platform/memory/memory_spooler.h"

namespace platform {

class MemoryJobTracker : public JobTracker {
 public:
  MemoryJobTracker(MemorySpooler& spooler, std::size_t job) : spooler_(spooler), job_(job) {}
  bool Poll(JobReport& report) override {
    std::deque<JobReport>& reports = spooler_.jobs_[job_].reports;
    if (!reports.empty()) {
      report = std::move(reports.front());
      reports.pop_front();
      return true;
    }
    if (spooler_.holdJobs_) return false;
    report = {JobPhase::kSent, false, {}};
    return true;
  }

 private:
  MemorySpooler& spooler_;
  std::size_t job_;
};

class MemoryConnection : public PrinterConnection {
 public:
  MemoryConnection(MemorySpooler& spooler, std::string printer)
      : spooler_(spooler), printer_(std::move(printer)) {}
  ~MemoryConnection() override { Close(); }

  bool StartDocument(std::string_view documentName) override {
    if (spooler_.failStart_) return false;
    job_ = spooler_.jobs_.size();
    spooler_.jobs_.push_back({printer_, std::string(documentName), {}, 0, false, false, false, {}});
    return true;
  }

  bool Write(const std::uint8_t* data, std::uint32_t size, std::uint32_t* written) override {
    *written = 0;
    if (job_ == kNone) return false;
    MemoryJob& job = spooler_.jobs_[job_];
    ++job.writeCalls;
    if (spooler_.failWriteAt_ != 0 && job.writeCalls >= spooler_.failWriteAt_) return false;
    // The print job writes one byte at a time: append it without a range insert.
    if (size == 1) {
      job.bytes.push_back(*data);
    } else {
      job.bytes.insert(job.bytes.end(), data, data + size);
    }
    *written = size;
    return true;
  }

  bool EndDocument() override {
    if (job_ == kNone) return false;
    if (spooler_.failEnd_) return false;
    spooler_.jobs_[job_].ended = true;
    return true;
  }

  void AbortDocument() override {
    if (job_ != kNone) spooler_.jobs_[job_].aborted = true;
  }

  void Close() override {
    if (job_ != kNone) spooler_.jobs_[job_].closed = true;
  }

  std::unique_ptr<JobTracker> FollowLastDocument() override {
    if (job_ == kNone || !spooler_.jobs_[job_].ended) return nullptr;
    return std::make_unique<MemoryJobTracker>(spooler_, job_);
  }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  MemorySpooler& spooler_;
  std::string printer_;
  std::size_t job_ = kNone;
};

bool MemorySpooler::EnumeratePrinters(std::vector<PrinterInfo>& printers) {
  if (failEnumeration_) return false;
  printers = printers_;
  return true;
}

std::unique_ptr<PrinterConnection> MemorySpooler::Open(std::string_view printerName) {
  for (const PrinterInfo& p : printers_) {
    if (p.name == printerName) return std::make_unique<MemoryConnection>(*this, p.name);
  }
  return nullptr;
}

}  // namespace platform
