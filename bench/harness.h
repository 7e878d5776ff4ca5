// What the benchmarks share: a temporary folder, braille documents of a given size with
// realistic content, and the main dialog on the headless host with a memory spooler that
// has one TEN-100 embosser.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/varnel_dlg.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_platform.h"

namespace bench {

// The largest file the dialog reads: one byte under its limit.
constexpr std::size_t kLargestFile = 999'999;

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

 private:
  std::filesystem::path path_;
};

// The folder of this run's files, removed at exit.
const TempFolder& Folder();

// Braille text in 32-cell lines: headings, paragraphs and blank lines, CR LF line ends
// and an end-of-text byte, exactly `size` bytes.
std::vector<std::uint8_t> MakeBaseNab(std::size_t size, int linesPerPage);
// 18-line pages of cell codes, one page in eight with a block of graphics objects,
// exactly `size` bytes.
std::vector<std::uint8_t> MakeWinBes(std::size_t size);
// A drawing of many dot lines of every used kind, exactly `size` bytes.
std::vector<std::uint8_t> MakeEdel(std::size_t size);

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
