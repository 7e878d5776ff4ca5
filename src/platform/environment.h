// Where the settings file lies.
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

// The settings file as the operating system's folders place it.
class SystemEnvironment : public Environment {
 public:
  // `overridePath`: the path given on the command line, or empty.
  explicit SystemEnvironment(std::string overridePath = {}) : override_(std::move(overridePath)) {}
  std::string SettingsFilePath(std::string_view fileName) override;
  std::string SettingsFileToRead(std::string_view fileName) override;

 private:
  std::string override_;
};

// The rule itself, for any executable folder and user's folder: beside the executable when
// the user may change the file there, or when there is none and the folder takes new files
// (a portable program). Else in `userFolder` (made when missing), whose file starts, when it
// is missing, as a copy of the one beside the executable; that one is never written. An
// installed program cannot write in its own folder, so its settings go to the user's.
// `startUserFile` false: nothing is made, and where the user's file is not made yet the file
// beside the executable is named, to be read instead.
std::string ChooseSettingsPath(const std::string& executableDir, const std::string& userFolder,
                               std::string_view fileName, bool startUserFile = true);

// Each system's own (posix/environment.cpp, win32/environment.cpp):
// The folder of the running executable.
std::string ExecutableDir();
// The user's own folder for Varnel's settings: $XDG_CONFIG_HOME/varnel (else
// $HOME/.config/varnel) on POSIX, %APPDATA%\Varnel on Windows.
std::string UserSettingsFolder();

}  // namespace platform
