// The settings as a job written to a file sees them: read from the user's settings file
// and never written back, since such a job chooses no embosser. The dialog works on a
// private copy in the temporary folder, removed with the snapshot or when a signal ends
// the program.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/environment.h"

namespace cli {

class SettingsSnapshot : public platform::Environment {
 public:
  explicit SettingsSnapshot(std::unique_ptr<platform::Environment> real) : real_(std::move(real)) {}
  ~SettingsSnapshot() override;
  SettingsSnapshot(const SettingsSnapshot&) = delete;
  SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

  // A copy of the file the real environment reads (none where that file cannot be read).
  std::string SettingsFilePath(std::string_view fileName) override;

 private:
  std::unique_ptr<platform::Environment> real_;
  std::filesystem::path copy_;
  int entry_ = -1;  // among the files a signal removes
};

}  // namespace cli
