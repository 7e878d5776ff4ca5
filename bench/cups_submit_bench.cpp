// A 1 MiB raw job submitted to a CUPS queue two ways, side by side: through the CUPS spooler
// with one write per byte (as the print job writes), and with `lp -o raw` of the same
// bytes. Each run is timed to two points: the client is done (EndDocument returned, lp
// exited) and the job is printed (the queue's capture file holds all the bytes). The
// runs alternate, so both ways share whatever else the machine is doing.
//
//   cups_submit_bench QUEUE CAPTURE_FILE [RUNS]
//
// QUEUE must deliver its jobs to CAPTURE_FILE: bench/cups_submit_bench.sh sets up a
// private scheduler with such a queue and runs this program against it.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/cups/cups_spooler.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kJobBytes = 1 << 20;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double CpuMs(const rusage& r) {
  return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 +
         (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

struct Run {
  double clientMs = 0;   // until the client was done
  double printedMs = 0;  // until the capture file held the job
  double cpuMs = 0;      // CPU time of the client
};

// Waits until `path` holds the job's bytes; the capture backend renames it into place
// complete. False when it never does, or holds something else.
bool WaitPrinted(const std::string& path, const std::vector<char>& bytes) {
  const auto end = Clock::now() + std::chrono::seconds(30);
  struct stat st = {};
  while (::stat(path.c_str(), &st) != 0) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> got((std::istreambuf_iterator<char>(in)), {});
  return got == bytes;
}

bool PerByte(const std::string& queue, const std::vector<char>& bytes, Run& run) {
  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  const auto start = Clock::now();
  platform::cups::Spooler spooler;
  std::unique_ptr<platform::PrinterConnection> printer = spooler.Open(queue);
  if (!printer || !printer->StartDocument("cups_submit_bench")) return false;
  for (char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    std::uint32_t written = 0;
    if (!printer->Write(&byte, 1, &written)) return false;
  }
  if (!printer->EndDocument()) return false;
  printer->Close();
  run.clientMs = Ms(Clock::now() - start);
  getrusage(RUSAGE_SELF, &after);
  run.cpuMs = CpuMs(after) - CpuMs(before);
  return true;
}

bool Lp(const std::string& queue, const std::string& file, Run& run) {
  std::vector<std::string> args = {"lp", "-s", "-d", queue, "-o", "raw", "-t", "cups_submit_bench",
                                   file};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, "lp", nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return false;
  }
  run.clientMs = Ms(Clock::now() - start);
  run.cpuMs = CpuMs(usage);
  return true;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One of the times of a run.
using RunTime = double Run::*;

void Report(const char* what, const std::vector<Run>& perByte, const std::vector<Run>& lp,
            RunTime field) {
  std::vector<double> a, b;
  for (const Run& r : perByte) a.push_back(r.*field);
  for (const Run& r : lp) b.push_back(r.*field);
  const double ma = Median(a), mb = Median(b);
  std::printf("%-22s %9.1f ms %9.1f ms %8.2f x   (min %.1f / %.1f ms)\n", what, ma, mb, ma / mb,
              *std::min_element(a.begin(), a.end()), *std::min_element(b.begin(), b.end()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s QUEUE CAPTURE_FILE [RUNS]\n", argv[0]);
    return 2;
  }
  const std::string queue = argv[1];
  const std::string capture = argv[2];
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;

  std::vector<char> bytes(kJobBytes);
  std::mt19937 gen(2024);
  for (char& c : bytes) c = static_cast<char>(gen());
  const std::string file = capture + ".job";
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  std::vector<Run> perByte, lp;
  for (int i = 0; i <= runs; ++i) {  // run 0 warms both paths up and is not counted
    for (int way = 0; way < 2; ++way) {
      std::remove(capture.c_str());
      Run run;
      const auto start = Clock::now();
      const bool ok = way == 0 ? PerByte(queue, bytes, run) : Lp(queue, file, run);
      if (!ok || !WaitPrinted(capture, bytes)) {
        std::fprintf(stderr, "%s: run %d failed\n", way == 0 ? "per-byte" : "lp", i);
        return 1;
      }
      run.printedMs = Ms(Clock::now() - start);
      if (i > 0) (way == 0 ? perByte : lp).push_back(run);
    }
  }
  std::remove(file.c_str());

  std::printf("1 MiB raw job, median of %d runs each, alternating\n", runs);
  std::printf("%-22s %12s %12s %10s\n", "", "per-byte", "lp -o raw", "ratio");
  Report("client done", perByte, lp, &Run::clientMs);
  Report("printed (end to end)", perByte, lp, &Run::printedMs);
  Report("client CPU", perByte, lp, &Run::cpuMs);
  return 0;
}
