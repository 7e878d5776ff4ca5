// The system clipboard through wxWidgets.
#pragma once

#include "platform/clipboard.h"

namespace platform::wx {

class Clipboard : public platform::Clipboard {
 public:
  bool PutText(std::string_view text) override;
};

}  // namespace platform::wx
