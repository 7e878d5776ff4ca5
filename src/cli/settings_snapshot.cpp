#include "cli/settings_snapshot.h"

#include <random>
#include <system_error>

#include "platform/file_io.h"
#include "printers/settings_record.h"

namespace cli {

namespace {

// A new folder of the program's own in the temporary folder; empty when none could be made.
std::filesystem::path MakePrivateFolder() {
  std::error_code ec;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  if (ec) return {};
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path folder =
        temp / ("varnel-settings-" + std::to_string(random()) + std::to_string(random()));
    if (std::filesystem::create_directory(folder, ec) && !ec) return folder;
  }
  return {};
}

}  // namespace

SettingsSnapshot::~SettingsSnapshot() {
  std::error_code ec;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
}

std::string SettingsSnapshot::SettingsFilePath(std::string_view fileName) {
  const std::string real = real_->SettingsFilePath(fileName);
  if (folder_.empty()) folder_ = MakePrivateFolder();
  // Without a folder of its own the dialog would write the real file: give it a path
  // that cannot be created instead.
  if (folder_.empty()) return (std::filesystem::path(real) / "no-settings").string();
  const std::filesystem::path copy = folder_ / std::string(fileName);
  if (const auto bytes = platform::ReadFilePrefix(real, printers::kRecordSize)) {
    platform::CreateFileAtomically(copy.string(), *bytes);
  }
  return copy.string();
}

}  // namespace cli
