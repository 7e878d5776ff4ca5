#include "cli/cli_session.h"

#include <iostream>

#include "app/varnel_app.h"
#include "cli/settings_snapshot.h"
#include "platform/spoolers/spooler_choice.h"
#include "platform/spoolers/stall_limit.h"
#include "printers/models.h"
#include "res/messages.h"
#include "res/resource.h"

namespace cli {

std::unique_ptr<platform::Spooler> MakeSpooler(const std::string& choice) {
  platform::SpoolerSettings settings;
  // No window to keep alive: wait on a stalled server for 30 seconds, then give up.
  settings.keepWaiting = platform::StallLimit(std::chrono::seconds(30));
  settings.virtualEmbossers = printers::VirtualEmbosserNames();
  return platform::MakeSpooler(choice, std::move(settings));
}

namespace {

std::unique_ptr<platform::Environment> MakeEnvironment(std::string settingsPath,
                                                       bool keepSettings) {
  std::unique_ptr<platform::Environment> environment =
      std::make_unique<platform::SystemEnvironment>(std::move(settingsPath));
  if (keepSettings) return std::make_unique<SettingsSnapshot>(std::move(environment));
  return environment;
}

}  // namespace

Session::Session(std::unique_ptr<platform::Spooler> spooler, std::string settingsPath,
                 bool keepSettings)
    : spooler_(std::move(spooler)),
      environment_(MakeEnvironment(std::move(settingsPath), keepSettings)),
      platform_{windows_, clipboard_, *spooler_,     files_,       shell_,
                clock_,   pump_,      *environment_, res::kAppName} {
  windows_.SetAnswerer([](const platform::MessageBoxRecord& box) {
    std::cerr << box.text << '\n';
    return platform::kMbResultOk;
  });
}

int Session::Run(const std::function<int(platform::HeadlessHost&)>& script) {
  int status = kExitOk;
  windows_.OnModal(res::kIddVarnel, [&](platform::HeadlessHost& host) {
    status = script(host);
    host.CloseBox();
  });
  CVarnelApp app(platform_);
  app.InitInstance();
  // The dialog only says that the printers could not be listed: the command line says why.
  if (const std::string why = spooler_->LastError(); !why.empty()) std::cerr << why << '\n';
  return status;
}

}  // namespace cli
