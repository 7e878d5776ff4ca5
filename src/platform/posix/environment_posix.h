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

 private:
  std::string override_;
};

// The rule itself, for any executable folder and configuration home: beside the
// executable when `fileName` lies there or that folder can be written, else in
// CONFIG_HOME/varnel/ (created when missing).
std::string ChooseSettingsPath(const std::string& executableDir, const std::string& configHome,
                               std::string_view fileName);

// $XDG_CONFIG_HOME, else $HOME/.config.
std::string UserConfigHome();

// The folder of the running executable.
std::string ExecutableDir();

}  // namespace platform
