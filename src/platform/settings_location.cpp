#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/environment.h"
#include "platform/file_io.h"

namespace platform {

namespace {

// A settings file is one record of 1024 bytes: anything this large is not one.
constexpr std::size_t kLargestSettingsFile = 64 * 1024;

}  // namespace

std::string ChooseSettingsPath(const std::string& executableDir, const std::string& userFolder,
                               std::string_view fileName, bool startUserFile) {
  const std::string beside = JoinPath(executableDir, fileName);
  if (OpensForReadingAndWriting(beside)) return beside;
  if (IsAbsent(beside) && FolderTakesNewFiles(executableDir)) return beside;

  const std::string own = JoinPath(userFolder, fileName);
  if (!startUserFile) return IsAbsent(own) && !IsAbsent(beside) ? beside : own;
  std::error_code ec;
  std::filesystem::create_directories(PathFromUtf8(userFolder), ec);
  // The first time, the user's file starts as a copy of the one beside the program.
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(beside, kLargestSettingsFile, bytes) == ReadStatus::kOk) {
    CreateFileAtomically(own, bytes);
  }
  return own;
}

std::string SystemEnvironment::SettingsFilePath(std::string_view fileName) {
  if (!override_.empty()) return override_;
  return ChooseSettingsPath(ExecutableDir(), UserSettingsFolder(), fileName, true);
}

std::string SystemEnvironment::SettingsFileToRead(std::string_view fileName) {
  if (!override_.empty()) return override_;
  return ChooseSettingsPath(ExecutableDir(), UserSettingsFolder(), fileName, false);
}

}  // namespace platform
