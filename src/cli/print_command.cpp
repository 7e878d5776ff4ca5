// varnel-cli print: selects the printer, loads the file, sets the range, copies and
// options, and presses Print, each as the dialog's keyboard user does.
#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "platform/dirspool/file_spooler.h"
#include "platform/spoolers/spooler_choice.h"
#include "res/resource.h"
#include "speech/sentences.h"

namespace cli {

namespace {

// Runs `action` and reports whether it showed no message box.
template <class Action>
bool Quietly(Session& session, Action action) {
  const std::size_t before = session.MessageCount();
  action();
  return session.MessageCount() == before;
}

// Presses an Alt key whose sentence must be `accepted`; a refusal is printed.
bool PressAccepted(Session& session, platform::HeadlessHost& host, char key,
                   std::string_view accepted) {
  host.PressAlt(key);
  const std::string& said = session.Clipboard().Text();
  if (said == accepted) return true;
  std::cerr << said << '\n';
  return false;
}

bool SetSides(Session& session, platform::HeadlessHost& host, const std::string& sides) {
  if (sides == "single") return PressAccepted(session, host, 'S', speech::kSingleSet);
  if (sides == "front") return PressAccepted(session, host, 'O', speech::kFrontSet);
  if (sides == "back") return PressAccepted(session, host, 'U', speech::kBackSet);
  return PressAccepted(session, host, 'W', speech::kDoubleSet);
}

// Switches a check box through its Alt key when its state differs from `wanted`.
bool SetOption(Session& session, platform::HeadlessHost& host, int checkBox, char key,
               const std::string& wanted, std::string_view onSentence,
               std::string_view offSentence) {
  const bool on = wanted == "on";
  if ((host.GetCheck(checkBox) != 0) == on) return true;
  return PressAccepted(session, host, key, on ? onSentence : offSentence);
}

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
  if (session.MessageCount() > 0) return kExitRefused;  // the printers could not be listed
  if (!host.Choose(res::kIdcPrinter, o.printer)) {
    std::cerr << "プリンタ「" << o.printer << "」は一覧にありません\n";
    return kExitRefused;
  }
  session.Files().Answer(o.file);
  if (!Quietly(session, [&] { host.Click(res::kIdcBrowse); })) return kExitRefused;

  const std::pair<const std::optional<std::string>*, int> edits[] = {
      {&o.from, res::kIdcStartPage}, {&o.to, res::kIdcEndPage}, {&o.copies, res::kIdcCopies}};
  for (const auto& [value, id] : edits) {
    if (*value && !Quietly(session, [&] { host.Type(id, **value); })) return kExitRefused;
  }
  if (o.sides && !SetSides(session, host, *o.sides)) return kExitRefused;
  if (o.graphics && !SetOption(session, host, res::kIdcGraphics, 'Z', *o.graphics,
                               speech::kGraphicsOn, speech::kGraphicsOff)) {
    return kExitRefused;
  }
  if (o.pageBreak && !SetOption(session, host, res::kIdcPageBreak, 'K', *o.pageBreak,
                                speech::kPageBreakOn, speech::kPageBreakOff)) {
    return kExitRefused;
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
