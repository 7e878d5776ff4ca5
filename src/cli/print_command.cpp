// varnel-cli print: selects the printer, loads the file, sets the range, copies and
// options, and presses Print, each as the dialog's keyboard user does. With --dry-run the
// request is checked as Print checks it and the sheets are counted; nothing is sent.
#include <iostream>

#include "app/varnel_dlg.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/job_choices.h"
#include "platform/dirspool/file_spooler.h"
#include "platform/spoolers/spooler_choice.h"
#include "res/resource.h"
#include "speech/sentences.h"

namespace cli {

namespace {

int PrintScript(Session& session, platform::HeadlessHost& host, const PrintOptions& o) {
  if (const int status = MakeJobChoices(session, host, o); status != kExitOk) return status;
  if (o.dryRun) {
    if (!MainDialog(host).ValidatePrintRequest()) return kExitRefused;
    return PrintSheets(host);
  }
  const std::size_t said = session.Clipboard().History().size();
  host.Click(res::kIdcPrint);
  const auto& history = session.Clipboard().History();
  if (history.size() > said && history.back() == speech::kPrintFinished) {
    std::cout << history.back() << '\n';
    return kExitOk;
  }
  return kExitRefused;
}

}  // namespace

int RunPrint(const PrintOptions& options) {
  std::unique_ptr<platform::Spooler> spooler;
  if (options.output) {
    spooler = std::make_unique<platform::FileSpooler>(options.printer, "FILE", *options.output);
  } else {
    spooler = MakeSpooler(options.spooler);
  }
  if (!spooler) {
    std::cerr << "--spooler: " << platform::SpoolerChoices() << '\n';
    return kExitUsage;
  }
  // A job written to a file chooses no embosser: the remembered one stays.
  Session session(std::move(spooler), options.settings, options.output.has_value());
  return session.Run(
      [&](platform::HeadlessHost& host) { return PrintScript(session, host, options); });
}

}  // namespace cli
