// Every service of a program without windows, recorded or scripted, together with the
// Platform that hands them to the dialogs. Tests and benchmarks run the dialogs on it.
#pragma once

#include <string>

#include "platform/headless/headless_window_system.h"
#include "platform/headless/scripted_services.h"
#include "platform/memory/memory_clipboard.h"
#include "platform/memory/memory_spooler.h"
#include "platform/platform.h"

namespace platform {

struct HeadlessPlatform {
  HeadlessPlatform(std::string settingsPath, std::string_view name)
      : environment(std::move(settingsPath)), appName(name) {}
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  HeadlessWindowSystem windows;
  MemoryClipboard clipboard;
  MemorySpooler spooler;
  ScriptedFileChooser files;
  RecordingShell shell;
  RecordingClock clock;
  ScriptedPump pump;
  FixedEnvironment environment;
  std::string_view appName;
  Platform platform{windows, clipboard, spooler, files, shell, clock, pump, environment, appName};
};

}  // namespace platform
