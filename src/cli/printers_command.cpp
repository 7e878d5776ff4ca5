// varnel-cli printers: the embossers of the printer box, NAME<TAB>MODEL<TAB>PORT.
#include <iostream>
#include <vector>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "platform/spoolers/spooler_choice.h"
#include "printers/printer_names.h"
#include "res/resource.h"

namespace cli {

int RunPrinters(const std::string& spooler, const std::string& settings) {
  std::unique_ptr<platform::Spooler> backEnd = MakeSpooler(spooler);
  if (!backEnd) {
    std::cerr << "--spooler: " << platform::SpoolerChoices() << '\n';
    return kExitUsage;
  }
  platform::Spooler& spoolerRef = *backEnd;
  Session session(std::move(backEnd), settings);
  return session.Run([&](platform::HeadlessHost& host) {
    if (session.MessageCount() > 0) return kExitRefused;  // the printers could not be listed
    std::vector<platform::PrinterInfo> printers;
    spoolerRef.EnumeratePrinters(printers);
    for (const std::string& name : host.ComboItems(res::kIdcPrinter)) {
      std::string port;
      for (const platform::PrinterInfo& p : printers) {
        if (p.name == name) port = printers::RemoveColons(p.port);
      }
      std::cout << name << '\t' << printers::ClassifyModelName(name) << '\t' << port << '\n';
    }
    return kExitOk;
  });
}

}  // namespace cli
