#include "platform/spoolers/spooler_choice.h"

#include <cstdlib>

#include "platform/dirspool/dir_spooler.h"
#ifdef VARNEL_HAVE_CUPS
#include "platform/cups/cups_spooler.h"
#endif

namespace platform {

namespace {

constexpr std::string_view kDirPrefix = "dir:";
constexpr std::string_view kCups = "cups";

bool IsDirChoice(std::string_view choice) {
  return choice.size() > kDirPrefix.size() && choice.substr(0, kDirPrefix.size()) == kDirPrefix;
}

#ifndef VARNEL_HAVE_CUPS
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

std::string DefaultSpoolerChoice() {
#ifdef VARNEL_HAVE_CUPS
  return std::string(kCups);
#else
  return std::string(kDirPrefix) + UserEmbossersFolder();
#endif
}

std::string_view SpoolerChoices() {
#ifdef VARNEL_HAVE_CUPS
  return "cups or dir:DIRECTORY";
#else
  return "dir:DIRECTORY";
#endif
}

bool IsSpoolerChoice(std::string_view choice) {
#ifdef VARNEL_HAVE_CUPS
  if (choice == kCups) return true;
#endif
  return IsDirChoice(choice);
}

std::unique_ptr<Spooler> MakeSpooler(std::string_view choice, SpoolerSettings settings) {
  if (IsDirChoice(choice)) {
    return std::make_unique<DirSpooler>(std::string(choice.substr(kDirPrefix.size())),
                                        std::move(settings.virtualEmbossers));
  }
#ifdef VARNEL_HAVE_CUPS
  if (choice == kCups) return std::make_unique<CupsSpooler>(std::move(settings.keepWaiting));
#endif
  return nullptr;
}

}  // namespace platform
