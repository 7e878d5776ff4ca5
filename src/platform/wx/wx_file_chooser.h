// The open-file dialog of the toolkit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_chooser.h"

namespace platform::wx {

class WindowSystem;

class FileChooser : public platform::FileChooser {
 public:
  explicit FileChooser(WindowSystem& windows) : windows_(windows) {}
  std::optional<std::string> ChooseFileToOpen(std::string_view title,
                                              std::string_view filter) override;

 private:
  WindowSystem& windows_;
};

// The wx wildcard for a filter in the "description|patterns|...||" form: the closing
// bars dropped, and each pattern made to match letters of either case, as file names
// are matched on Windows ("*.BSE" also shows "a.bse"; GTK would match the case exactly).
std::string WildcardFromFilter(std::string_view filter);

}  // namespace platform::wx
