// varnel-cli.exe: the main dialog without windows, driven from the command line. Windows
// gives the arguments in UTF-16 (the ANSI code page could not hold every file or printer
// name); they reach the commands as UTF-8, and the text written goes out as the console or
// the file it goes to needs.
#include <string>
#include <vector>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "platform/win32/clock.h"
#include "platform/win32/console.h"
#include "platform/win32/utf16.h"

int wmain(int argc, wchar_t** argv) {
  platform::win32::UseUtf8StandardStreams();
  cli::RemovePendingFilesOnSignals();
  // The 2 ms pause after each byte to a parallel port.
  const platform::win32::FineTimerResolution timer;

  std::vector<std::string> args = platform::win32::Utf8Arguments(argc, argv);
  std::vector<const char*> pointers;
  for (const std::string& a : args) pointers.push_back(a.c_str());
  pointers.push_back(nullptr);
  return cli::RunCommandLine(argc, pointers.data());
}
