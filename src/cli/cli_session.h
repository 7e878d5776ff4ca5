// The dialog on the headless host, with the services varnel-cli gives it: message boxes
// go to stderr and are answered OK, no window waits, the spooler chosen on the command line.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/environment.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_window_system.h"
#include "platform/headless/scripted_services.h"
#include "platform/memory/memory_clipboard.h"
#include "platform/platform.h"

namespace cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// The spooler a --spooler value names; nothing for a value that names none (the caller
// reports the usage error).
std::unique_ptr<platform::Spooler> MakeSpooler(const std::string& choice);

// Lets SIGINT, SIGTERM and SIGHUP (where not ignored; on Windows Ctrl+C, Ctrl+Break and
// closing the console) remove the temporary files of the job under way before they end
// the program as they would have.
void RemovePendingFilesOnSignals();
// Ends the program by the signal that arrived while a spooler job was under way, once that
// job has been cancelled; returns when none arrived.
void EndAsSignalled();

class Session {
 public:
  // `keepSettings`: the settings file is read and never written.
  Session(std::unique_ptr<platform::Spooler> spooler, std::string settingsPath,
          bool keepSettings = false);

  // Starts the program; `script` acts on the main dialog as its user and returns the exit
  // status. The dialog is closed through its close box afterwards.
  int Run(const std::function<int(platform::HeadlessHost&)>& script);

  platform::HeadlessWindowSystem& Windows() { return windows_; }
  platform::MemoryClipboard& Clipboard() { return clipboard_; }
  platform::ScriptedFileChooser& Files() { return files_; }
  // Message boxes shown since the start.
  std::size_t MessageCount() const { return windows_.MessageBoxes().size(); }

 private:
  platform::HeadlessWindowSystem windows_;
  platform::MemoryClipboard clipboard_;
  std::unique_ptr<platform::Spooler> spooler_;
  platform::ScriptedFileChooser files_;
  platform::RecordingShell shell_;
  platform::SleepingClock clock_{false};
  platform::ScriptedPump pump_;
  std::unique_ptr<platform::Environment> environment_;
  platform::Platform platform_;
};

}  // namespace cli
