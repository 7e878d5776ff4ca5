// Where the settings file lies on a POSIX system.
#pragma once

#include <string>

#include "platform/environment.h"

namespace platform {

class PosixEnvironment : public Environment {
 public:
  // `overridePath`: the path given on the command line, or empty.
  explicit PosixEnvironment(std::string overridePath = {}) : override_(std::move(overridePath)) {}
  std::string SettingsFilePath(std::string_view fileName) override;
  std::string SettingsFileToRead(std::string_view fileName) override;

 private:
  std::string override_;
};

// The rule itself, for any executable folder and configuration home: beside the
// executable when the user may change the file there, or when there is none and the folder
// takes new files (a portable program). Else CONFIG_HOME/varnel/ (made when missing),
// whose file starts, when it is missing, as a copy of the one beside the executable; that
// one is never written.
// `startUserFile` false: nothing is made, and where the user's file is not made yet the file
// beside the executable is named, to be read instead.
std::string ChooseSettingsPath(const std::string& executableDir, const std::string& configHome,
                               std::string_view fileName, bool startUserFile = true);

// $XDG_CONFIG_HOME, else $HOME/.config.
std::string UserConfigHome();

// The folder of the running executable.
std::string ExecutableDir();

}  // namespace platform
