// varnel-cli: the main dialog without windows, driven from the command line.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "platform/spoolers/spooler_choice.h"

int main(int argc, char** argv) {
  cli::RemovePendingFilesOnSignals();
  CLI::App app{"Varnel: braille embossing from the command line"};
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

  cli::PrintOptions p;
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

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? 0 : cli::kExitUsage;
  }

  if (*printers) return cli::RunPrinters(spooler, settings);
  if (*info) return cli::RunInfo(infoFile, settings);
  p.settings = settings;
  p.spooler = spooler;
  return cli::RunPrint(p);
}
