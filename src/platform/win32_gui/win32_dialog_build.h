// A dialog template as the Windows dialog manager reads it (DLGTEMPLATEEX and its
// items), built in memory from the program's own template, so that the window has the
// template's controls, styles, tab order and dialog-unit rectangles.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog/dialog_template.h"

namespace platform::win32 {

// The font a window is laid out in: the template's face where the system has it, else a
// Japanese font of the same kind.
struct DialogFont {
  std::wstring face;
  int pointSize = 9;
};

// Picks the face among those installed: the template's own, its English name, the
// metric-compatible IPA font, then Japanese user-interface fonts. When none is installed
// the template's face stays, and the font mapper chooses by the Japanese character set.
DialogFont ChooseDialogFont(std::string_view templateFace, int pointSize);

// The template's bytes: DLGTEMPLATEEX with one DLGITEMTEMPLATEEX per control, in
// template order. Hidden controls are made without WS_VISIBLE; the window itself is made
// hidden, and shown once the dialog object has initialised it. Icon controls name their
// icon resource by number, for the module passed when the window is created.
std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& tpl, const DialogFont& font);

}  // namespace platform::win32
