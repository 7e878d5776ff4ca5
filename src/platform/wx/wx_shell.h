// Opening addresses in the user's web browser.
#pragma once

#include "platform/shell.h"

namespace platform::wx {

class WxShell : public Shell {
 public:
  void OpenInBrowser(std::string_view address) override;
};

}  // namespace platform::wx
