// The font a template asks for, or the nearest one installed.
#pragma once

#include <wx/font.h>

#include <string_view>

namespace platform::wx {

// The template's face at `pointSize`. Where that face is not installed (the Windows
// Japanese faces never are on Linux), IPAPGothic, which has the same metrics; failing
// both, the system's dialog font at that size. A face name alone proves nothing: Pango
// accepts any name and quietly renders another font, so the installed faces are asked.
wxFont TemplateFont(std::string_view face, int pointSize);

}  // namespace platform::wx
