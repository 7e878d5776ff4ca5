// Loading the largest file the dialog reads, of each format, through the Browse button:
// the file chooser's answer, the whole file read, the reader, and the dialog filled in.
//
// BM_Load: each load replaces the document of the one before, as choosing another file
//   does; releasing the old document is part of the load.
// BM_LoadCold: before each load (outside the timing) the document is released and the
//   free heap handed back to the system (malloc_trim), so the load faults in every page
//   it uses, as the first load of a session does. On a virtual machine a page fault can
//   cost microseconds: this is where that shows.
//
// After the timed loads, one more load from no document held runs with heap tracking on
// and reports, as counters:
//   peak_heap      the highest heap use during the load, above the use before it
//   peak_heap_x    that peak as a multiple of the file size
//   kept_heap      the heap the loaded document holds afterwards
//   allocations    calls of operator new during the load
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <functional>
#include <map>
#include <string>

#include "harness.h"
#include "heap_tracking.h"
#include "sized_files.h"

namespace {

using Maker = std::function<std::string()>;

// The documents, written once per run on first use.
const std::string& Document(const std::string& name, const Maker& make) {
  static std::map<std::string, std::string> paths;
  auto it = paths.find(name);
  if (it == paths.end()) it = paths.emplace(name, bench::Folder().Write(name, make())).first;
  return it->second;
}

void Load(benchmark::State& state, const std::string& name, const Maker& make, bool cold) {
  const std::string& path = Document(name, make);
  bench::Harness h;
  if (!h.Browse(path)) {
    state.SkipWithError("the document was refused");
    return;
  }
  const int pages = h.dlg().m_nDocPageCount;
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      h.ForgetDocument();
      malloc_trim(0);
      state.ResumeTiming();
    }
    h.Browse(path);
  }

  h.ForgetDocument();
  bench::StartHeapWindow();
  const bool loaded = h.Browse(path);
  const bench::HeapUse use = bench::EndHeapWindow();
  if (!loaded || h.dlg().m_nDocPageCount != pages) {
    state.SkipWithError("the document did not load the same way twice");
    return;
  }

  const auto size = static_cast<double>(bench::kLargestFile);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bench::kLargestFile));
  state.counters["pages"] = pages;
  state.counters["peak_heap"] =
      benchmark::Counter(static_cast<double>(use.peakAbove), benchmark::Counter::kDefaults,
                         benchmark::Counter::kIs1024);
  state.counters["peak_heap_x"] = static_cast<double>(use.peakAbove) / size;
  state.counters["kept_heap"] =
      benchmark::Counter(static_cast<double>(use.keptAbove), benchmark::Counter::kDefaults,
                         benchmark::Counter::kIs1024);
  state.counters["allocations"] = static_cast<double>(use.allocations);
}

void BM_Load(benchmark::State& state, const std::string& name, const Maker& make) {
  Load(state, name, make, false);
}

void BM_LoadCold(benchmark::State& state, const std::string& name, const Maker& make) {
  Load(state, name, make, true);
}

const Maker kBase = [] { return test::BaseNabOfSize(bench::kLargestFile, 22); };
const Maker kNab = [] { return test::BaseNabOfSize(bench::kLargestFile, 18); };
const Maker kWinBes = [] { return test::WinBesOfSize(bench::kLargestFile); };
const Maker kEdel = [] { return test::EdelOfSize(bench::kLargestFile); };

}  // namespace

#define VARNEL_LOAD_BENCHMARKS(fn)                                                              \
  BENCHMARK_CAPTURE(fn, BSE, std::string("bench.BSE"), kBase)->Unit(benchmark::kMillisecond);   \
  BENCHMARK_CAPTURE(fn, NAB, std::string("bench.NAB"), kNab)->Unit(benchmark::kMillisecond);    \
  BENCHMARK_CAPTURE(fn, BES, std::string("bench.BES"), kWinBes)->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(fn, EDL, std::string("bench.EDL"), kEdel)->Unit(benchmark::kMillisecond)

VARNEL_LOAD_BENCHMARKS(BM_Load);
VARNEL_LOAD_BENCHMARKS(BM_LoadCold);
