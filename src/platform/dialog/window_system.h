// Creates the window behind a dialog object.
#pragma once

#include <memory>

#include "platform/dialog/dialog_host.h"
#include "platform/dialog/dialog_template.h"

namespace platform {

class Dialog;

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // Builds the window of `tpl` for `dialog`, owned by `owner` (nullptr: no owner), with
  // all its controls, not yet shown. The dialog then runs its initialisation and shows
  // the window: a modal one through RunModal, a modeless one through ShowModeless.
  // Returns nullptr when the window cannot be made.
  virtual std::unique_ptr<DialogHost> CreateHost(const DialogTemplate& tpl, Dialog& dialog,
                                                 DialogHost* owner, bool modal) = 0;
  // The application's main window, or nullptr.
  virtual DialogHost* MainWindow() const = 0;
  virtual void SetMainWindow(DialogHost* host) = 0;
};

}  // namespace platform
