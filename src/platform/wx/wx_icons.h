// The icons of the program's windows. Both icon resources (128, the about box's picture,
// and 129, the program icon) show the same artwork.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

namespace platform::wx {

// Every size of the icon `resource`, for a window's title bar and task bar.
wxIconBundle ProgramIcons(int resource);
// The 32-pixel picture of the icon `resource`, for an icon control of a template.
wxBitmap IconControlBitmap(int resource);

}  // namespace platform::wx
