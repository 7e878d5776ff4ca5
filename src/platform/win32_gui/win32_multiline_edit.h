// Edits of several lines in a real window (the page of the page reading window): "\r\n"
// between lines inside the control, "\n" for the program; the caret kept where it is when
// the edit gets the focus; a font that shows Unicode braille.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Prepares an edit of several lines once the dialog has made it. Where the edit's font
// has no Unicode braille (Wine links no other font to it, as Windows does), the edit takes
// the first installed font that has: the font made then is returned, for the window to
// delete when it goes; nullptr otherwise.
HFONT PrepareMultiLineEdit(HWND edit);

// The text as the control keeps it, and as the program sees it.
std::wstring ControlLines(std::string_view text);
std::string ProgramLines(std::string text);

}  // namespace platform::win32
