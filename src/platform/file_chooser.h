#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // Shows the open-file dialog. `filter` is in the "description|patterns|...||" form;
  // the first entry is selected. Only existing files can be chosen. Returns the full path,
  // or nothing when the user cancels.
  virtual std::optional<std::string> ChooseFileToOpen(std::string_view title,
                                                      std::string_view filter) = 0;
};

}  // namespace platform
