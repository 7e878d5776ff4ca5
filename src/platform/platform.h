// The services a dialog reaches through the platform layer.
#pragma once

#include <string_view>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialog/window_system.h"
#include "platform/environment.h"
#include "platform/file_chooser.h"
#include "platform/message_pump.h"
#include "platform/shell.h"
#include "platform/spooler.h"

namespace platform {

struct Platform {
  WindowSystem& windows;
  Clipboard& clipboard;
  Spooler& spooler;
  FileChooser& fileChooser;
  Shell& shell;
  Clock& clock;
  MessagePump& pump;
  Environment& environment;
  // The program's name, the caption of the framework's own message boxes.
  std::string_view appName;
};

}  // namespace platform
