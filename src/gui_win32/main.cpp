// varnel.exe: the main dialog in native Windows dialogs.
#include <CLI/CLI.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/window_program.h"
#include "platform/environment.h"
#include "platform/win32/clock.h"
#include "platform/win32/utf16.h"
#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_clipboard.h"
#include "platform/win32_gui/win32_event_pump.h"
#include "platform/win32_gui/win32_file_chooser.h"
#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_message_box.h"
#include "platform/win32_gui/win32_shell.h"
#include "platform/win32_gui/win32_window_system.h"
#include "res/messages.h"

namespace {

namespace pw = platform::win32;

// A program without a console says what its command line got wrong in a box; --help
// shows the usage the same way. The status of the command-line parser is the program's.
int ShowParseResult(CLI::App& cli, const CLI::ParseError& e) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli.exit(e, out, err);
  const std::string text = out.str() + err.str();
  pw::ShowMessageBox(nullptr, text, res::kAppName,
                     status == 0 ? platform::kMbIconInformation : platform::kMbIconStop);
  return status;
}

// Tests wait for this line before they press keys; it goes where standard output was
// redirected, and nowhere when there is none.
void SayReady() {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, "READY\n", 6, &written, nullptr);
}

int Run(HINSTANCE instance, const app::WindowOptions& options) {
  // The pauses after each byte to a parallel port last 2 ms, not a timer tick.
  const pw::FineTimerResolution fineTimer;
  pw::WindowSystem windows(instance);
  windows.OnMainWindowReady(&SayReady);
  pw::Clipboard clipboard(windows);
  pw::MessagePump pump(windows);
  pw::Clock clock(pump);
  pw::FileChooser fileChooser(windows);
  pw::Shell shell(windows);
  platform::SystemEnvironment environment(options.settings);

  app::RunWindowProgram({windows, clipboard, fileChooser, shell, clock, pump, environment},
                        options);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args = pw::Utf8Arguments(argc, wide);
  LocalFree(wide);
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());

  CLI::App cli{"Varnel: braille embossing"};
  app::WindowOptions options;
  app::AddWindowOptions(cli, options, "beside the program, else %APPDATA%\\Varnel\\");
  try {
    cli.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& e) {
    return ShowParseResult(cli, e);
  }

  // The screen readers' annotations of the controls are COM objects of this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int status = Run(instance, options);
  if (SUCCEEDED(com)) CoUninitialize();
  return status;
}
