// Where the settings file lies on Windows.
#pragma once

#include <string>

#include "platform/environment.h"

namespace platform {

class Win32Environment : public Environment {
 public:
  // `overridePath`: the path given on the command line, or empty.
  explicit Win32Environment(std::string overridePath = {}) : override_(std::move(overridePath)) {}
  std::string SettingsFilePath(std::string_view fileName) override;
  std::string SettingsFileToRead(std::string_view fileName) override;

 private:
  std::string override_;
};

// The rule itself, for any executable folder and application data folder: beside the
// executable when the user may change the file there, or when there is none and the folder
// takes new files (a portable program). Else APP_DATA\Varnel\ (made when missing), whose
// file starts, when it is missing, as a copy of the one beside the executable; that one is
// never written. An installed program cannot write in Program Files, so its settings go to
// the user's roaming application data.
// `startUserFile` false: nothing is made, and where the user's file is not made yet the file
// beside the executable is named, to be read instead.
std::string ChooseSettingsPath(const std::string& executableDir, const std::string& appData,
                               std::string_view fileName, bool startUserFile = true);

// True when a new file can be made in `folder` (asked by making one, which is removed at
// once: the folder's permissions are an access list that only the system can evaluate).
bool FolderTakesNewFiles(const std::string& folder);

// %APPDATA%, else the user's roaming application data folder as the shell knows it.
std::string UserAppDataFolder();

// The folder of the running executable.
std::string ExecutableDir();

}  // namespace platform
