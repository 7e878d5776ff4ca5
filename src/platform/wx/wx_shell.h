// Opening addresses in the user's web browser.
#pragma once

#include "platform/shell.h"

namespace platform::wx {

class Shell : public platform::Shell {
 public:
  void OpenInBrowser(std::string_view address) override;
};

}  // namespace platform::wx
