// The icons of the program's windows, from a template's icon resources.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

#include "platform/dialog/dialog_template.h"

namespace platform::wx {

// Every size of an icon, for a window's title bar and task bar.
wxIconBundle IconBundleOf(const IconResource& icon);
// The picture of an icon closest to `pixels` wide, for an icon control of a template.
wxBitmap IconBitmapOf(const IconResource& icon, int pixels);

}  // namespace platform::wx
