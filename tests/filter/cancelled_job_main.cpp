// varnel_cancelled_job: tells whether the bytes a device received from a cancelled CUPS
// job are the dialog's cancelled job, the same document on the same model cancelled at
// one of its cancel checks.
//
//   varnel_cancelled_job MODEL DOCUMENT DEVICE_BYTES
//
// Prints the page at which the job was cancelled and exits 0, or says how the bytes differ
// from the nearest cancelled job and exits 1.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "filter/filter_job.h"
#include "print/embosser_stream.h"
#include "support/encoder_run.h"

namespace {

std::vector<std::uint8_t> ReadAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct Cancelled {
  std::vector<std::uint8_t> bytes;
  std::string page;  // the page under way at the cancel
};

Cancelled EncodeCancelledAt(const filter::FilterPlan& plan, int check) {
  test::RecordingJob job;
  job.cancelAt = check;
  print::EncodeJob(plan.document, plan.spec, job, job);
  return {std::move(job.bytes), job.pages.empty() ? std::string("-") : job.pages.back()};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::cerr << "usage: varnel_cancelled_job MODEL DOCUMENT DEVICE_BYTES\n";
    return 2;
  }
  const std::vector<std::uint8_t> document = ReadAll(argv[2]);
  const std::vector<std::uint8_t> device = ReadAll(argv[3]);
  filter::FilterRequest request;
  request.model = argv[1];
  request.documentName = argv[2];
  request.bytes = document;
  request.format = filter::FormatOfName(argv[2]);
  const filter::FilterPlan plan = filter::PlanJob(request);
  if (plan.refusal) {
    std::cerr << "the job is refused: " << *plan.refusal << "\n";
    return 2;
  }

  // A later cancel sends more bytes, nearly always: a short line in place of a blank one
  // ("D" CR LF against two blanks, CR LF) is one byte less. So the first check whose job is
  // at least as long as the device's bytes is found by halving, and the checks around it
  // are each tried.
  test::RecordingJob counting;
  print::EncodeJob(plan.document, plan.spec, counting, counting);
  int low = 1, high = counting.cancelChecks;
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (EncodeCancelledAt(plan, mid).bytes.size() < device.size()) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  constexpr int kAround = 64;
  for (int check = std::max(1, low - kAround);
       check <= std::min(counting.cancelChecks, low + kAround); ++check) {
    const Cancelled candidate = EncodeCancelledAt(plan, check);
    if (candidate.bytes != device) continue;
    std::cout << "cancelled at cancel check " << check << " of " << counting.cancelChecks
              << ", copy:page " << candidate.page << "\n";
    return 0;
  }
  const Cancelled expected = EncodeCancelledAt(plan, low);
  const auto diff =
      std::mismatch(expected.bytes.begin(), expected.bytes.end(), device.begin(), device.end());
  std::cout << "the device's " << device.size()
            << " bytes are no cancelled job: the nearest, cancelled at check " << low << " ("
            << expected.bytes.size() << " bytes), differs from byte "
            << (diff.first - expected.bytes.begin()) << "\n";
  return 1;
}
