#include "platform/posix/environment_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <system_error>

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

std::string ChooseSettingsPath(const std::string& executableDir, const std::string& configHome,
                               std::string_view fileName) {
  const std::string beside = executableDir + "/" + std::string(fileName);
  struct stat st = {};
  if (::stat(beside.c_str(), &st) == 0 || ::access(executableDir.c_str(), W_OK) == 0) {
    return beside;
  }
  const std::filesystem::path dir = std::filesystem::path(configHome) / "varnel";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return (dir / std::string(fileName)).string();
}

std::string PosixEnvironment::SettingsFilePath(std::string_view fileName) {
  if (!override_.empty()) return override_;
  return ChooseSettingsPath(ExecutableDir(), UserConfigHome(), fileName);
}

std::unique_ptr<Environment> MakeSystemEnvironment(std::string overridePath) {
  return std::make_unique<PosixEnvironment>(std::move(overridePath));
}

}  // namespace platform
