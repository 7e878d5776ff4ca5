// A whole print job of the largest BASE file the dialog reads, to a TEN-100 embosser of
// the memory spooler: the Print button, the checks, the progress window and the embosser
// stream, one spooler write per byte. Bytes per second are bytes of the embosser stream.
//
// Each job runs on a dialog of its own, with the document already loaded; setting it up
// and releasing the spooler's copy of the stream are outside the timing.
#include <benchmark/benchmark.h>

#include <memory>

#include "harness.h"
#include "sized_files.h"

namespace {

const std::string& BaseDocument() {
  static const std::string path =
      bench::Folder().Write("print.BSE", test::BaseNabOfSize(bench::kLargestFile, 22));
  return path;
}

void BM_PrintBase(benchmark::State& state) {
  const std::string& path = BaseDocument();
  std::int64_t streamBytes = 0;
  std::size_t jobBytes = 0;
  std::size_t jobWrites = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto h = std::make_unique<bench::Harness>();
    if (!h->Browse(path)) {
      state.SkipWithError("the document was refused");
      break;
    }
    state.ResumeTiming();

    const bool printed = h->Print();

    state.PauseTiming();
    const auto& jobs = h->spooler().Jobs();
    if (!printed || jobs.size() != 1 || !jobs[0].ended || jobs[0].aborted) {
      state.SkipWithError("the job was not printed");
      break;
    }
    jobBytes = jobs[0].bytes.size();
    jobWrites = jobs[0].writeCalls;
    streamBytes += static_cast<std::int64_t>(jobBytes);
    h.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(streamBytes);
  state.counters["stream_bytes"] = static_cast<double>(jobBytes);
  state.counters["write_calls"] = static_cast<double>(jobWrites);
}

}  // namespace

BENCHMARK(BM_PrintBase)->Unit(benchmark::kMillisecond);
