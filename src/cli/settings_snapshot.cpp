#include "cli/settings_snapshot.h"

#include <random>
#include <system_error>

#include "platform/dirspool/pending_file.h"
#include "platform/file_io.h"
#include "printers/settings_record.h"

namespace cli {

namespace {

// A name for the copy in the temporary folder that no file has; empty when there is none.
std::filesystem::path FreeName() {
  std::error_code ec;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  if (ec) return {};
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path name =
        temp / ("varnel-settings-" + std::to_string(random()) + std::to_string(random()) + ".ini");
    if (!std::filesystem::exists(name, ec) && !ec) return name;
  }
  return {};
}

}  // namespace

SettingsSnapshot::~SettingsSnapshot() {
  if (copy_.empty()) return;
  std::error_code ec;
  std::filesystem::remove(copy_, ec);
  platform::ForgetPendingPath(entry_);
}

std::string SettingsSnapshot::SettingsFilePath(std::string_view fileName) {
  const std::string real = real_->SettingsFileToRead(fileName);
  if (copy_.empty()) {
    copy_ = FreeName();
    // Without a copy the dialog would write the real file: it gets a path that cannot be
    // created instead, and the settings of a new file.
    if (copy_.empty()) return (std::filesystem::path(real) / "no-settings").string();
    // A program ended by a signal removes the copy too.
    entry_ = platform::RememberPendingPath(copy_.string());
    // Where the real file cannot be read the copy is left absent, as the real one is to
    // the dialog.
    if (const auto bytes = platform::ReadFilePrefix(real, printers::kRecordSize)) {
      platform::CreateFileAtomically(copy_.string(), *bytes);
    }
  }
  return copy_.string();
}

}  // namespace cli
