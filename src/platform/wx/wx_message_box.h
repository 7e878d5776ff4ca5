// Message boxes with the program's type values.
#pragma once

#include <string_view>

class wxWindow;

namespace platform::wx {

// Shows a modal message box over `parent` (nullptr: no owner). `type` combines the
// buttons (kMbOk, kMbOkCancel) and one icon (kMbIconStop, kMbIconInformation; none when
// absent). Returns kMbResultOk or kMbResultCancel.
int ShowMessageBox(wxWindow* parent, std::string_view text, std::string_view caption,
                   unsigned type);

}  // namespace platform::wx
