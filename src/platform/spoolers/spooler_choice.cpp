#include "platform/spoolers/spooler_choice.h"

#include <chrono>
#include <cstdlib>

#include "platform/dirspool/dir_spooler.h"
#include "platform/spoolers/stall_limit.h"
#ifdef VARNEL_HAVE_CUPS
#include "platform/cups/cups_spooler.h"
#endif
#ifdef VARNEL_HAVE_WIN32_SPOOLER
#include "platform/win32/spooler.h"
#endif

namespace platform {

namespace {

constexpr std::string_view kDirPrefix = "dir:";
constexpr std::string_view kCups = "cups";
constexpr std::string_view kWindows = "windows";

bool IsDirChoice(std::string_view choice) {
  return choice.size() > kDirPrefix.size() && choice.substr(0, kDirPrefix.size()) == kDirPrefix;
}

#if !defined(VARNEL_HAVE_CUPS) && !defined(VARNEL_HAVE_WIN32_SPOOLER)
// $XDG_DATA_HOME/varnel/embossers, else ~/.local/share/varnel/embossers.
std::string UserEmbossersFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/') {
    return std::string(data) + "/varnel/embossers";
  }
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.local/share/varnel/embossers";
}
#endif

}  // namespace

SpoolerSettings WindowedSpoolerSettings(MessagePump& pump,
                                        std::vector<std::string> virtualEmbossers) {
  SpoolerSettings settings;
  settings.keepWaiting = [&pump, giveUp = StallLimit(std::chrono::seconds(60))]() mutable {
    pump.PumpPending();
    return giveUp();
  };
  settings.virtualEmbossers = std::move(virtualEmbossers);
  return settings;
}

std::string DefaultSpoolerChoice() {
#if defined(VARNEL_HAVE_WIN32_SPOOLER)
  return std::string(kWindows);
#elif defined(VARNEL_HAVE_CUPS)
  return std::string(kCups);
#else
  return std::string(kDirPrefix) + UserEmbossersFolder();
#endif
}

std::string_view SpoolerChoices() {
#if defined(VARNEL_HAVE_WIN32_SPOOLER)
  return "windows or dir:DIRECTORY";
#elif defined(VARNEL_HAVE_CUPS)
  return "cups or dir:DIRECTORY";
#else
  return "dir:DIRECTORY";
#endif
}

bool IsSpoolerChoice(std::string_view choice) {
#ifdef VARNEL_HAVE_CUPS
  if (choice == kCups) return true;
#endif
#ifdef VARNEL_HAVE_WIN32_SPOOLER
  if (choice == kWindows) return true;
#endif
  return IsDirChoice(choice);
}

std::unique_ptr<Spooler> MakeSpooler(std::string_view choice, SpoolerSettings settings) {
  if (IsDirChoice(choice)) {
    return std::make_unique<DirSpooler>(std::string(choice.substr(kDirPrefix.size())),
                                        std::move(settings.virtualEmbossers));
  }
#ifdef VARNEL_HAVE_CUPS
  if (choice == kCups) return std::make_unique<cups::Spooler>(std::move(settings.keepWaiting));
#endif
#ifdef VARNEL_HAVE_WIN32_SPOOLER
  // The Windows spooler answers at once: there is no server to wait on.
  if (choice == kWindows) return std::make_unique<win32::Spooler>();
#endif
  return nullptr;
}

}  // namespace platform
