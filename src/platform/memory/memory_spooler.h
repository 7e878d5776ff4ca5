// A spooler in memory: a list of printers, the jobs they received, and failures on demand.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/spooler.h"

namespace platform {

struct MemoryJob {
  std::string printer;
  std::string documentName;
  std::vector<std::uint8_t> bytes;
  std::size_t writeCalls = 0;
  bool ended = false;    // EndDocument succeeded
  bool aborted = false;  // AbortDocument was called
  bool closed = false;
  // What the job's tracker answers next, one report a poll.
  std::deque<JobReport> reports;
};

class MemorySpooler : public Spooler {
 public:
  bool EnumeratePrinters(std::vector<PrinterInfo>& printers) override;
  std::unique_ptr<PrinterConnection> Open(std::string_view printerName) override;

  void AddPrinter(std::string name, std::string port) {
    printers_.push_back({std::move(name), std::move(port)});
  }
  std::vector<PrinterInfo>& Printers() { return printers_; }
  void FailEnumeration(bool fail) { failEnumeration_ = fail; }
  void FailStartDocument(bool fail) { failStart_ = fail; }
  // The write call with this number (1 for the first) and every later one fails.
  void FailWriteAt(std::size_t call) { failWriteAt_ = call; }
  void FailEndDocument(bool fail) { failEnd_ = fail; }
  // Held, a job's tracker gives the reports scripted for it and then no news; otherwise a
  // job that ended is sent once those are given.
  void HoldJobs(bool hold) { holdJobs_ = hold; }
  void ReportJob(std::size_t job, JobReport report) {
    jobs_[job].reports.push_back(std::move(report));
  }

  const std::vector<MemoryJob>& Jobs() const { return jobs_; }

 private:
  friend class MemoryConnection;
  friend class MemoryJobTracker;
  std::vector<PrinterInfo> printers_;
  std::vector<MemoryJob> jobs_;
  bool failEnumeration_ = false;
  bool failStart_ = false;
  bool failEnd_ = false;
  bool holdJobs_ = false;
  std::size_t failWriteAt_ = 0;
};

}  // namespace platform
