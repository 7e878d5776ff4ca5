// The commands of varnel-cli. Each acts on the main dialog as its keyboard user would and
// returns the exit status.
#pragma once

#include <optional>
#include <string>

namespace cli {

// The choices of a job, as the dialog's user makes them; info and print share them.
struct PrintOptions {
  std::string file;
  std::string printer;  // empty: none chosen (info only)
  std::optional<std::string> output;
  bool dryRun = false;  // check everything and count the sheets, send nothing
  std::optional<std::string> from;
  std::optional<std::string> to;
  std::optional<std::string> copies;
  std::optional<std::string> sides;      // single | front | back | double
  std::optional<std::string> graphics;   // on | off
  std::optional<std::string> pageBreak;  // on | off
  std::string settings;
  std::string spooler;  // a --spooler value
};

// Parses the arguments (UTF-8, the program's name first) and runs the command they name.
int RunCommandLine(int argc, const char* const* argv);

int RunPrinters(const std::string& spooler, const std::string& settings);
int RunInfo(const PrintOptions& options);
int RunPrint(const PrintOptions& options);

struct ShowOptions {
  std::string file;
  std::optional<std::string> pages;  // "N" or "N-M"
  std::optional<std::string> svg;
  std::string settings;
};
int RunShow(const ShowOptions& options);

}  // namespace cli
