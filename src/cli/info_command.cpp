// varnel-cli info: loads a file as the Browse button does and prints what the dialog shows,
// and the sheets a print of it takes with the choices given.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/job_choices.h"
#include "platform/memory/memory_spooler.h"
#include "platform/spoolers/spooler_choice.h"
#include "res/messages.h"
#include "res/resource.h"

namespace cli {

int RunInfo(const PrintOptions& o) {
  // The printers play a part only when one is named: its model decides the sheets. Naming
  // one here changes nothing the dialog remembers.
  const bool named = !o.printer.empty();
  std::unique_ptr<platform::Spooler> spooler =
      named ? MakeSpooler(o.spooler) : std::make_unique<platform::MemorySpooler>();
  if (!spooler) {
    std::cerr << "--spooler: " << platform::SpoolerChoices() << '\n';
    return kExitUsage;
  }
  Session session(std::move(spooler), o.settings, named);
  session.Files().Answer(o.file);
  return session.Run([&](platform::HeadlessHost& host) {
    if (const int status = ChoosePrinter(session, host, o); status != kExitOk) return status;
    const std::size_t before = session.MessageCount();
    host.Click(res::kIdcBrowse);
    const auto& boxes = session.Windows().MessageBoxes();
    for (std::size_t i = before; i < boxes.size(); ++i) {
      if (boxes[i].text == res::kUnknownFormat) return kExitRefused;
    }
    std::cout << "cells_per_line: " << host.GetText(res::kIdcCharsPerLine) << '\n'
              << "lines_per_page: " << host.GetText(res::kIdcLinesPerPage) << '\n'
              << "pages: " << host.GetText(res::kIdcPageCount) << '\n'
              << "graphics: " << host.GetText(res::kIdcGraphicsInfo) << '\n';
    if (boxes.size() > before) return kExitRefused;
    if (const int status = SetRangeAndOptions(session, host, o); status != kExitOk) return status;
    return PrintSheets(host);
  });
}

}  // namespace cli
