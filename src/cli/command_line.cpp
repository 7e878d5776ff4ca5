// The command line of varnel-cli, the same on every system: its commands and options.
#include <CLI/CLI.hpp>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "platform/spoolers/spooler_choice.h"

namespace cli {

int RunCommandLine(int argc, const char* const* argv) {
  CLI::App app{"Varnel: braille embossing from the command line"};
  // The same options on every system: on Windows CLI11 would also read /x as an option,
  // and take a path such as /tmp/a.BES for one.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);
  std::string settings;
  std::string spooler = platform::DefaultSpoolerChoice();
  const std::string spoolerHelp = std::string(platform::SpoolerChoices());
  app.add_option("--settings", settings, "settings file (default: as the program chooses)");

  CLI::App* printers = app.add_subcommand("printers", "list the embossers: NAME, MODEL, PORT");
  printers->add_option("--spooler", spooler, spoolerHelp);
  printers->add_option("--settings", settings, "settings file");

  // The choices of a job, the same for info (which counts its sheets) and print.
  auto addJobOptions = [&](CLI::App* command, PrintOptions& p) {
    command->add_option("FILE", p.file, "braille file (.BSE .NAB .BES .EDL)")->required();
    command->add_option("--printer", p.printer, "embosser name");
    command->add_option("--from", p.from, "first page");
    command->add_option("--to", p.to, "last page");
    command->add_option("--copies", p.copies, "copies");
    command->add_option("--sides", p.sides, "single, front, back or double")
        ->check(CLI::IsMember({"single", "front", "back", "double"}));
    command->add_option("--graphics", p.graphics, "on or off")->check(CLI::IsMember({"on", "off"}));
    command->add_option("--page-break", p.pageBreak, "on or off")
        ->check(CLI::IsMember({"on", "off"}));
    command->add_option("--settings", settings, "settings file");
    command->add_option("--spooler", spooler, spoolerHelp);
  };

  PrintOptions i;
  CLI::App* info = app.add_subcommand(
      "info", "show a braille file's geometry and the sheets a print of it takes");
  addJobOptions(info, i);

  PrintOptions p;
  CLI::App* print = app.add_subcommand("print", "emboss a braille file");
  addJobOptions(print, p);
  print->get_option("--printer")->required();
  print->add_option("--output", p.output, "write the job's bytes to this file");
  print->add_flag("--dry-run", p.dryRun, "check the request and count the sheets; send nothing");

  ShowOptions s;
  CLI::App* show = app.add_subcommand("show", "show the pages as they will be embossed");
  show->add_option("FILE", s.file, "braille file")->required();
  show->add_option("--pages", s.pages, "N or N-M (default: all)");
  show->add_option("--svg", s.svg, "also draw the pages into this SVG file");
  show->add_option("--settings", settings, "settings file");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? 0 : kExitUsage;
  }

  if (*printers) return RunPrinters(spooler, settings);
  if (*info) {
    i.settings = settings;
    i.spooler = spooler;
    return RunInfo(i);
  }
  if (*show) {
    s.settings = settings;
    return RunShow(s);
  }
  p.settings = settings;
  p.spooler = spooler;
  return RunPrint(p);
}

}  // namespace cli
