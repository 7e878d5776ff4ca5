#pragma once

#include <string_view>

namespace platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens an address in the user's default web browser. The result is not reported.
  virtual void OpenInBrowser(std::string_view address) = 0;
};

}  // namespace platform
