// The spoolers a --spooler value names, built in one place for every program.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_pump.h"
#include "platform/spooler.h"

namespace platform {

struct SpoolerSettings {
  // Runs while a request waits on the system spooler (about once a second): keeps the
  // windows alive, and returns false to give the request up.
  std::function<bool()> keepWaiting = [] { return true; };
  // The virtual embossers offered by a folder without a printers list: one per model.
  std::vector<std::string> virtualEmbossers;
};

// The settings of a program with windows: while the spooler is slow to answer, `pump`
// keeps the windows repainting, and a spooler silent for a minute fails the job instead
// of holding the program forever.
SpoolerSettings WindowedSpoolerSettings(MessagePump& pump,
                                        std::vector<std::string> virtualEmbossers);

// The spooler a program uses when none is named: the system's (Windows, or CUPS) where it
// is built, else the virtual embossers in the user's data folder.
std::string DefaultSpoolerChoice();

// What the choices are, for a usage message: "cups or dir:DIRECTORY" ("windows or ..." on
// Windows).
std::string_view SpoolerChoices();

// True when `choice` names a spooler this build has.
bool IsSpoolerChoice(std::string_view choice);

// The spooler `choice` names ("cups" or "windows" where built, or "dir:DIRECTORY");
// nullptr for any other value.
std::unique_ptr<Spooler> MakeSpooler(std::string_view choice, SpoolerSettings settings);

}  // namespace platform
