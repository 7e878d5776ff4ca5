// The folders of the settings file on a POSIX system.
#include "platform/environment.h"

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

std::string UserSettingsFolder() {
  std::string configHome = ".";
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
    configHome = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    configHome = std::string(home) + "/.config";
  }
  return configHome + "/varnel";
}

}  // namespace platform
