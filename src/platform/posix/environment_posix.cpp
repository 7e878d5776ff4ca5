#include "platform/posix/environment_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/file_io.h"

namespace platform {

std::string ExecutableDir() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

std::string UserConfigHome() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
    return xdg;
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    return std::string(home) + "/.config";
  }
  return ".";
}

namespace {

// A settings file is one record of 1024 bytes: anything this large is not one.
constexpr std::size_t kLargestSettingsFile = 64 * 1024;

bool IsAbsent(const std::string& path) {
  struct stat st = {};
  return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

// Asked as the effective user, who makes the file (access() would ask as the real one).
bool FolderTakesNewFiles(const std::string& folder) {
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace

std::string ChooseSettingsPath(const std::string& executableDir, const std::string& configHome,
                               std::string_view fileName, bool startUserFile) {
  const std::string beside = executableDir + "/" + std::string(fileName);
  if (OpensForReadingAndWriting(beside)) return beside;
  if (IsAbsent(beside) && FolderTakesNewFiles(executableDir)) return beside;

  const std::filesystem::path dir = std::filesystem::path(configHome) / "varnel";
  const std::string own = (dir / std::string(fileName)).string();
  if (!startUserFile) return IsAbsent(own) && !IsAbsent(beside) ? beside : own;
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  // The first time, the user's file starts as a copy of the one beside the program.
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(beside, kLargestSettingsFile, bytes) == ReadStatus::kOk) {
    CreateFileAtomically(own, bytes);
  }
  return own;
}

std::string PosixEnvironment::SettingsFilePath(std::string_view fileName) {
  if (!override_.empty()) return override_;
  return ChooseSettingsPath(ExecutableDir(), UserConfigHome(), fileName, true);
}

std::string PosixEnvironment::SettingsFileToRead(std::string_view fileName) {
  if (!override_.empty()) return override_;
  return ChooseSettingsPath(ExecutableDir(), UserConfigHome(), fileName, false);
}

std::unique_ptr<Environment> MakeSystemEnvironment(std::string overridePath) {
  return std::make_unique<PosixEnvironment>(std::move(overridePath));
}

}  // namespace platform
