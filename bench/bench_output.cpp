// A whole print job of the largest BASE file to a file, as `varnel-cli print --output`
// writes it (the file spooler), for 1, 10 and 100 copies. The job is written as it goes,
// so its heap does not grow with the copies. Bytes per second are bytes of the file.
//
// Each job runs with heap tracking on and reports, as counters:
//   peak_heap      the highest heap use during the job, above the use before it
//   file_bytes     the size of the file the job wrote
//
// The whole program's peak memory (what `/usr/bin/time -v` calls the maximum resident set
// size) is measured by bench/cli_memory.sh.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "harness.h"
#include "heap_tracking.h"
#include "platform/dirspool/file_spooler.h"
#include "res/resource.h"
#include "sized_files.h"

namespace {

const std::string& BaseDocument() {
  static const std::string path =
      bench::Folder().Write("output.BSE", test::BaseNabOfSize(bench::kLargestFile, 22));
  return path;
}

void BM_OutputFile(benchmark::State& state) {
  const std::string copies = std::to_string(state.range(0));
  const std::string output = bench::Folder().File("output.bin");
  platform::FileSpooler spooler("TEN-100", "USB001", output);
  std::int64_t fileBytes = 0;
  bench::HeapUse highest;
  for (auto _ : state) {
    state.PauseTiming();
    auto h = std::make_unique<bench::Harness>(&spooler);
    if (!h->Browse(BaseDocument())) {
      state.SkipWithError("the document was refused");
      break;
    }
    h->host().Type(res::kIdcCopies, copies);
    state.ResumeTiming();

    bench::StartHeapWindow();
    const bool printed = h->Print();
    const bench::HeapUse use = bench::EndHeapWindow();

    state.PauseTiming();
    std::error_code ec;
    const auto size = std::filesystem::file_size(output, ec);
    if (!printed || ec) {
      state.SkipWithError("the job was not written");
      break;
    }
    fileBytes += static_cast<std::int64_t>(size);
    if (use.peakAbove > highest.peakAbove) highest = use;
    std::filesystem::remove(output, ec);
    h.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(fileBytes);
  state.counters["file_bytes"] =
      static_cast<double>(state.iterations() > 0 ? fileBytes / state.iterations() : 0);
  state.counters["peak_heap"] =
      benchmark::Counter(static_cast<double>(highest.peakAbove), benchmark::Counter::kDefaults,
                         benchmark::Counter::kIs1024);
}

}  // namespace

BENCHMARK(BM_OutputFile)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
