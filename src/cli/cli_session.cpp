#include "cli/cli_session.h"

#include <iostream>

#include "app/varnel_app.h"
#include "platform/cups/cups_spooler.h"
#include "platform/cups/cups_stall_limit.h"
#include "platform/dirspool/dir_spooler.h"
#include "res/resource.h"

namespace cli {

std::unique_ptr<platform::Spooler> MakeSpooler(const std::string& choice) {
  if (choice == "cups") {
    // No window to keep alive: wait on a stalled server for 30 seconds, then give up.
    return std::make_unique<platform::CupsSpooler>(platform::StallLimit(std::chrono::seconds(30)));
  }
  if (choice.rfind("dir:", 0) == 0 && choice.size() > 4) {
    return std::make_unique<platform::DirSpooler>(choice.substr(4));
  }
  return nullptr;
}

Session::Session(std::unique_ptr<platform::Spooler> spooler, std::string settingsPath)
    : spooler_(std::move(spooler)),
      environment_(std::move(settingsPath)),
      platform_{windows_, clipboard_, *spooler_, files_, shell_, clock_, pump_, environment_} {
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
  const auto* folder = dynamic_cast<const platform::DirSpooler*>(spooler_.get());
  if (folder != nullptr && !folder->LastError().empty()) std::cerr << folder->LastError() << '\n';
  return status;
}

}  // namespace cli
