#include "cli/job_choices.h"

#include <iostream>

#include "app/varnel_dlg.h"
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

}  // namespace

CVarnelDlg& MainDialog(platform::HeadlessHost& host) {
  return static_cast<CVarnelDlg&>(host.Object());
}

int ChoosePrinter(Session& session, platform::HeadlessHost& host, const PrintOptions& o) {
  if (session.MessageCount() > 0) return kExitRefused;  // the printers could not be listed
  if (!o.printer.empty() && !host.Choose(res::kIdcPrinter, o.printer)) {
    std::cerr << "プリンタ「" << o.printer << "」は一覧にありません\n";
    return kExitRefused;
  }
  return kExitOk;
}

int MakeJobChoices(Session& session, platform::HeadlessHost& host, const PrintOptions& o) {
  if (const int status = ChoosePrinter(session, host, o); status != kExitOk) return status;
  session.Files().Answer(o.file);
  if (!Quietly(session, [&] { host.Click(res::kIdcBrowse); })) return kExitRefused;
  return SetRangeAndOptions(session, host, o);
}

int SetRangeAndOptions(Session& session, platform::HeadlessHost& host, const PrintOptions& o) {
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
  return kExitOk;
}

int PrintSheets(platform::HeadlessHost& host) {
  CVarnelDlg& dlg = MainDialog(host);
  dlg.UpdateData(true);
  if (const std::string_view refusal = dlg.RangeRefusal(); !refusal.empty()) {
    std::cerr << refusal << '\n';
    return kExitRefused;
  }
  dlg.UseDocument([&](const document::BrailleDocument& doc) {
    std::cout << "sheets: " << dlg.SheetCount(doc) << '\n';
  });
  return kExitOk;
}

}  // namespace cli
