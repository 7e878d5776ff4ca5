// varnel-cli print: selects the printer, loads the file, sets the range, copies and
// options, and presses Print, each as the dialog's keyboard user does. With --dry-run the
// request is checked as Print checks it and the sheets are counted; nothing is sent.
#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

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

// Follows the job the dialog handed to the spooler until the spooler is done with it,
// printing what the dialog says of it; then asks Alt+J how it ended.
int WaitForSpooler(Session& session, platform::HeadlessHost& host,
                   std::optional<unsigned> timeoutSeconds) {
  using std::chrono::steady_clock;
  const steady_clock::time_point start = steady_clock::now();
  const auto& history = session.Clipboard().History();
  std::size_t printed = history.size();
  while (host.TimerInterval() != 0) {
    std::chrono::milliseconds wait(host.TimerInterval());
    if (timeoutSeconds) {
      const auto left = std::chrono::seconds(*timeoutSeconds) - (steady_clock::now() - start);
      if (left <= steady_clock::duration::zero()) {
        std::cerr << "--wait-timeout: " << *timeoutSeconds
                  << " 秒　待ちましたが　ジョブわ　まだ　スプーラに　あります\n";
        return kExitRefused;
      }
      wait = std::min(wait, std::chrono::ceil<std::chrono::milliseconds>(left));
    }
    std::this_thread::sleep_for(wait);
    host.FireTimer();
    for (; printed < history.size(); ++printed) std::cout << history[printed] << std::endl;
  }
  host.PressAlt('J');
  return session.Clipboard().Text() == speech::kJobSent ? kExitOk : kExitRefused;
}

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
    std::cout << history.back() << std::endl;
    return o.wait ? WaitForSpooler(session, host, o.waitTimeout) : kExitOk;
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
