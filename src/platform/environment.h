#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class Environment {
 public:
  virtual ~Environment() = default;
  // Full path of the settings file `fileName`: beside the executable when the user may
  // change the file there (or make it, when there is none), else in the user's
  // configuration folder, started from the file beside the executable; an explicit path
  // given at start overrides both.
  virtual std::string SettingsFilePath(std::string_view fileName) = 0;
  // The file the settings would be read from, making nothing: where the user's own file is
  // not made yet, the file beside the executable it would start from.
  virtual std::string SettingsFileToRead(std::string_view fileName) {
    return SettingsFilePath(fileName);
  }
};

// The operating system's environment (PosixEnvironment, Win32Environment). `overridePath`:
// the settings path given on the command line, or empty.
std::unique_ptr<Environment> MakeSystemEnvironment(std::string overridePath);

}  // namespace platform
