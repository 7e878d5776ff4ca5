// What the two window programs (wxWidgets and Win32) share: their command line and the
// assembly of the services the dialog runs on. Each program makes its back end's window
// services and hands them over.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "platform/platform.h"

namespace app {

struct WindowOptions {
  std::string spooler;
  std::string settings;
};

// --spooler and --settings; `settingsDefault` says where the settings file is otherwise.
void AddWindowOptions(CLI::App& cli, WindowOptions& options, const std::string& settingsDefault);

// The services of one window back end, without the spooler.
struct WindowServices {
  platform::WindowSystem& windows;
  platform::Clipboard& clipboard;
  platform::FileChooser& fileChooser;
  platform::Shell& shell;
  platform::Clock& clock;
  platform::MessagePump& pump;
  platform::Environment& environment;
};

// Runs the main dialog to its end on those services and the spooler the options name.
void RunWindowProgram(const WindowServices& services, const WindowOptions& options);

}  // namespace app
