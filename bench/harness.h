// What the benchmarks share: the folder of the run's files, and the main dialog on the
// headless host with a memory spooler that has one TEN-100 embosser. The documents come
// from the test support library (sized_files.h).
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "app/varnel_dlg.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace bench {

// The largest file the dialog reads: one byte under its limit.
constexpr std::size_t kLargestFile = 999'999;

// The folder of this run's files, removed at exit.
const test::TempDir& Folder();

class Harness {
 public:
  // `spooler`, when given, stands in for the memory spooler; it must offer "TEN-100".
  explicit Harness(platform::Spooler* spooler = nullptr);
  ~Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  CVarnelDlg& dlg() { return *dlg_; }
  platform::HeadlessHost& host();
  // Chooses a file through the Browse button; false when a message box was shown.
  bool Browse(const std::string& path);
  // Presses Print; false when a message box was shown.
  bool Print();
  const platform::MemorySpooler& spooler() const { return services_.spooler; }
  // Releases the loaded document, as if no file had been chosen.
  void ForgetDocument();

 private:
  platform::HeadlessPlatform services_;
  platform::Platform platform_;
  std::unique_ptr<CVarnelDlg> dlg_;
};

}  // namespace bench
