// varnel: the main dialog in real windows.
#include <wx/app.h>
#include <wx/init.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "app/varnel_app.h"
#include "platform/platform.h"
#include "platform/posix/environment_posix.h"
#include "platform/spoolers/spooler_choice.h"
#include "platform/wx/wx_assert.h"
#include "platform/wx/wx_clipboard.h"
#include "platform/wx/wx_event_pump.h"
#include "platform/wx/wx_file_chooser.h"
#include "platform/wx/wx_shell.h"
#include "platform/wx/wx_window_system.h"
#include "printers/models.h"

namespace {

struct Options {
  std::string spooler = platform::DefaultSpoolerChoice();
  std::string settings;
};

class VarnelWxApp : public wxApp {
 public:
  explicit VarnelWxApp(Options options) : options_(std::move(options)) {}

  // The whole program runs in OnRun: the dialog's own modal loop is the only event loop.
  // Returning from OnRun gives the exit status; returning false from OnInit would end
  // the process with a failure status.
  bool OnInit() override { return true; }

  int OnRun() override {
    namespace pwx = platform::wx;
    pwx::LogAssertionsInsteadOfAsking();

    pwx::WxWindowSystem windows;
    // Tests wait for this line before they press keys.
    windows.OnMainWindowReady([] { std::cout << "READY" << std::endl; });
    pwx::WxClipboard clipboard;
    pwx::WxMessagePump pump;
    pwx::WxClock clock(pump);
    pwx::WxFileChooser fileChooser(windows);
    pwx::WxShell shell;
    platform::PosixEnvironment environment(options_.settings);

    std::unique_ptr<platform::Spooler> spooler = platform::MakeSpooler(
        options_.spooler,
        platform::WindowedSpoolerSettings(pump, printers::VirtualEmbosserNames()));

    platform::Platform services{windows, clipboard, *spooler, fileChooser,
                                shell,   clock,     pump,     environment};
    CVarnelApp app(services);
    app.InitInstance();
    return 0;
  }

 private:
  Options options_;
};

}  // namespace

int main(int argc, char** argv) {
  CLI::App cli{"Varnel: braille embossing"};
  Options options;
  cli.add_option("--spooler", options.spooler,
                 std::string(platform::SpoolerChoices()) + " (default " + options.spooler + ")")
      ->check([](const std::string& value) -> std::string {
        if (platform::IsSpoolerChoice(value)) return {};
        return "expected " + std::string(platform::SpoolerChoices());
      });
  cli.add_option("--settings", options.settings,
                 "settings file (default: beside the program, else ~/.config/varnel/)");
  CLI11_PARSE(cli, argc, argv);

  wxApp::SetInstance(new VarnelWxApp(std::move(options)));
  return wxEntry(argc, argv);
}
