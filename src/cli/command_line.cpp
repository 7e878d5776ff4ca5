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

  std::string infoFile;
  CLI::App* info = app.add_subcommand("info", "show a braille file's geometry");
  info->add_option("FILE", infoFile, "braille file (.BSE .NAB .BES .EDL)")->required();
  info->add_option("--settings", settings, "settings file");

  PrintOptions p;
  CLI::App* print = app.add_subcommand("print", "emboss a braille file");
  print->add_option("FILE", p.file, "braille file")->required();
  print->add_option("--printer", p.printer, "embosser name")->required();
  print->add_option("--output", p.output, "write the job's bytes to this file");
  print->add_option("--from", p.from, "first page");
  print->add_option("--to", p.to, "last page");
  print->add_option("--copies", p.copies, "copies");
  print->add_option("--sides", p.sides, "single, front, back or double")
      ->check(CLI::IsMember({"single", "front", "back", "double"}));
  print->add_option("--graphics", p.graphics, "on or off")->check(CLI::IsMember({"on", "off"}));
  print->add_option("--page-break", p.pageBreak, "on or off")->check(CLI::IsMember({"on", "off"}));
  print->add_option("--settings", settings, "settings file");
  print->add_option("--spooler", spooler, spoolerHelp);
  CLI::Option* wait =
      print->add_flag("--wait", p.wait, "wait until the spooler has sent the job, or not");
  print->add_option("--wait-timeout", p.waitTimeout, "give up waiting after this many seconds")
      ->needs(wait)
      ->check(CLI::PositiveNumber);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? 0 : kExitUsage;
  }

  if (*printers) return RunPrinters(spooler, settings);
  if (*info) return RunInfo(infoFile, settings);
  p.settings = settings;
  p.spooler = spooler;
  return RunPrint(p);
}

}  // namespace cli
