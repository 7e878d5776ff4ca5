#include "app/window_program.h"

#include <memory>

#include "app/varnel_app.h"
#include "platform/spoolers/spooler_choice.h"
#include "printers/models.h"
#include "res/messages.h"

namespace app {

void AddWindowOptions(CLI::App& cli, WindowOptions& options, const std::string& settingsDefault) {
  options.spooler = platform::DefaultSpoolerChoice();
  cli.add_option("--spooler", options.spooler,
                 std::string(platform::SpoolerChoices()) + " (default " + options.spooler + ")")
      ->check([](const std::string& value) -> std::string {
        if (platform::IsSpoolerChoice(value)) return {};
        return "expected " + std::string(platform::SpoolerChoices());
      });
  cli.add_option("--settings", options.settings,
                 "settings file (default: " + settingsDefault + ")");
}

void RunWindowProgram(const WindowServices& s, const WindowOptions& options) {
  std::unique_ptr<platform::Spooler> spooler = platform::MakeSpooler(
      options.spooler, platform::WindowedSpoolerSettings(s.pump, printers::VirtualEmbosserNames()));
  platform::Platform services{s.windows, s.clipboard, *spooler,      s.fileChooser, s.shell,
                              s.clock,   s.pump,      s.environment, res::kAppName};
  CVarnelApp app(services);
  app.InitInstance();
}

}  // namespace app
