#include "platform/wx/wx_font.h"

#include <wx/fontenum.h>
#include <wx/settings.h>

#include "platform/wx/wx_text.h"

namespace platform::wx {

namespace {

constexpr std::string_view kMetricTwin = "IPAPGothic";

}  // namespace

wxFont TemplateFont(std::string_view face, int pointSize) {
  for (std::string_view candidate : {face, kMetricTwin}) {
    const wxString name = ToWx(candidate);
    if (!name.empty() && wxFontEnumerator::IsValidFacename(name)) {
      return wxFont(wxFontInfo(pointSize).FaceName(name));
    }
  }
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  font.SetPointSize(pointSize);
  return font;
}

}  // namespace platform::wx
