#include "support/encoder_run.h"

#include "print/embosser_stream.h"

namespace test {

bool RecordingJob::Put(std::uint8_t byte) {
  if (failAt != 0 && bytes.size() + 1 >= failAt) return false;
  bytes.push_back(byte);
  return true;
}

void RecordingJob::PageStarting(int copy, int copies, int page) {
  pages.push_back(std::to_string(copy) + "/" + std::to_string(copies) + ":" + std::to_string(page));
}

print::JobSpec SpecFor(const document::BrailleDocument& doc, const std::string& model) {
  print::JobSpec spec;
  spec.model = model;
  spec.linesPerPage = doc.linesPerPage;
  spec.startPage = 1;
  spec.endPage = doc.pageCount;
  spec.pageBreak = true;
  return spec;
}

std::vector<std::uint8_t> Encode(const document::BrailleDocument& doc, const print::JobSpec& spec) {
  RecordingJob job;
  print::EncodeJob(doc, spec, job, job);
  return job.bytes;
}

}  // namespace test
