// Runs the encoder into memory: a document and a job spec in, the bytes out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/braille_document.h"
#include "print/job_spec.h"

namespace test {

// Keeps every byte and every report of a job; cancels at the given cancel check, and from
// then on, as the progress dialog's Cancel does.
class RecordingJob : public print::ByteSink, public print::JobObserver {
 public:
  bool Put(std::uint8_t byte) override;
  void Progress(int percent) override { percents.push_back(percent); }
  void PageStarting(int copy, int copies, int page) override;
  bool CancelRequested() override {
    ++cancelChecks;
    return cancelAt != 0 && cancelChecks >= cancelAt;
  }
  void PaceAfterByte() override { ++pauses; }

  std::vector<std::uint8_t> bytes;
  std::vector<int> percents;
  std::vector<std::string> pages;  // "copy/copies:page"
  int cancelChecks = 0;
  int cancelAt = 0;        // 0: never
  std::size_t failAt = 0;  // the byte, counted from 1, that does not arrive; 0: none
  int pauses = 0;
};

// A job spec for `doc` on `model`: all its pages, one copy, page breaks on.
print::JobSpec SpecFor(const document::BrailleDocument& doc, const std::string& model);

// The bytes of the job.
std::vector<std::uint8_t> Encode(const document::BrailleDocument& doc, const print::JobSpec& spec);

}  // namespace test
