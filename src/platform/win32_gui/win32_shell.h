// Opening an address in the user's browser.
#pragma once

#include "platform/shell.h"

namespace platform::win32 {

class WindowSystem;

class Shell : public platform::Shell {
 public:
  explicit Shell(WindowSystem& windows) : windows_(windows) {}
  // ShellExecuteW "open", once the message being handled (the about box's button that
  // ends the box) has been: the browser comes up after the box has gone, not under it.
  void OpenInBrowser(std::string_view address) override;

 private:
  WindowSystem& windows_;
};

}  // namespace platform::win32
