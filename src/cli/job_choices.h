// Making a job's choices in the main dialog as its keyboard user does: printer, file,
// range, copies, sides and options. Shared by info (to count sheets) and print.
#pragma once

#include "cli/cli_session.h"
#include "cli/commands.h"

class CVarnelDlg;

namespace cli {

// Chooses the printer (when one is named) and loads the file; then types the range and
// copies and sets the sides and options given. kExitOk, or kExitRefused after the
// program's refusal has gone to stderr.
int MakeJobChoices(Session& session, platform::HeadlessHost& host, const PrintOptions& o);
// The steps of MakeJobChoices before and after loading the file.
int ChoosePrinter(Session& session, platform::HeadlessHost& host, const PrintOptions& o);
int SetRangeAndOptions(Session& session, platform::HeadlessHost& host, const PrintOptions& o);

// The dialog behind the main window.
CVarnelDlg& MainDialog(platform::HeadlessHost& host);

// Prints "sheets: N" for the dialog's current choices; kExitRefused, with the Print
// button's message on stderr, when the range or copies would be refused.
int PrintSheets(platform::HeadlessHost& host);

}  // namespace cli
