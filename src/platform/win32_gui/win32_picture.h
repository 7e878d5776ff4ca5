// The picture control of a real window: an owner-drawn static control, painted by its
// dialog with GDI when the control asks (WM_DRAWITEM). It takes no focus, and screen
// readers are told to pass it by: it is there for sighted helpers.
#pragma once

#include "platform/picture.h"
#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Paints `picture` into `area` of `dc`: a white page as large as the area allows with
// its proportions kept, in the middle, and its dots as filled black circles.
void DrawPicture(HDC dc, const RECT& area, const Picture& picture);

}  // namespace platform::win32
