// The common open-file dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_chooser.h"

namespace platform::win32 {

class WindowSystem;

class FileChooser : public platform::FileChooser {
 public:
  explicit FileChooser(WindowSystem& windows) : windows_(windows) {}
  // GetOpenFileNameW owned by the main window, the first filter entry selected, the
  // read-only box hidden, existing files only.
  std::optional<std::string> ChooseFileToOpen(std::string_view title,
                                              std::string_view filter) override;

 private:
  WindowSystem& windows_;
};

// The filter in the form the dialog reads: each "|" of "description|patterns|...||"
// becomes a NUL, so the text ends with two.
std::wstring FilterForDialog(std::string_view filter);

}  // namespace platform::win32
