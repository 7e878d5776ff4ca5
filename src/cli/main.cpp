// varnel-cli: the main dialog without windows, driven from the command line.
#include "cli/cli_session.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
  cli::RemovePendingFilesOnSignals();
  const int status = cli::RunCommandLine(argc, argv);
  cli::EndAsSignalled();
  return status;
}
