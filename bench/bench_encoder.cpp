// The embosser encoder alone: the largest BASE file the dialog reads, as a document, into
// a sink that only counts, on a TEN-100 embosser. Beside the whole print job, this shows
// what the encoder costs and what the dialog, the progress window and the spooler add.
#include <benchmark/benchmark.h>

#include "document/braille_document.h"
#include "harness.h"
#include "print/embosser_stream.h"
#include "sized_files.h"

namespace {

class CountingJob : public print::ByteSink, public print::JobObserver {
 public:
  bool Put(std::uint8_t byte) override {
    ++count;
    last = byte;
    return true;
  }
  void Progress(int) override {}
  void PageStarting(int, int, int) override {}
  bool CancelRequested() override { return false; }
  void PaceAfterByte() override {}

  std::int64_t count = 0;
  std::uint8_t last = 0;
};

void BM_EncodeBase(benchmark::State& state) {
  const std::string file = test::BaseNabOfSize(bench::kLargestFile, 22);
  const document::BrailleDocument doc = document::ParseBaseNab(
      document::Bytes(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
  print::JobSpec spec;
  spec.model = "TEN-100";
  spec.linesPerPage = doc.linesPerPage;
  spec.startPage = 1;
  spec.endPage = doc.pageCount;
  spec.pageBreak = true;
  std::int64_t total = 0;
  CountingJob job;
  for (auto _ : state) {
    job.count = 0;
    print::EncodeJob(doc, spec, job, job);
    benchmark::DoNotOptimize(job.last);
    total += job.count;
  }
  state.SetBytesProcessed(total);
  state.counters["stream_bytes"] = static_cast<double>(job.count);
}

}  // namespace

BENCHMARK(BM_EncodeBase)->Unit(benchmark::kMillisecond);
