#include "platform/win32_gui/win32_picture.h"

#include <algorithm>
#include <cmath>

namespace platform::win32 {

namespace {

// GDI works in whole pixels; the picture is drawn at this many units a pixel and scaled
// down by the mapping mode, so that small dots keep their places and sizes.
constexpr int kUnitsPerPixel = 8;

int Units(double v) { return static_cast<int>(std::lround(v * kUnitsPerPixel)); }

}  // namespace

void DrawPicture(HDC dc, const RECT& area, const Picture& picture) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const std::optional<Placement> place =
      PlaceIn(picture, area.right - area.left, area.bottom - area.top);
  if (!place) return;
  const double scale = place->scale;
  const double left = area.left + place->left;
  const double top = area.top + place->top;

  const int saved = SaveDC(dc);
  SetMapMode(dc, MM_ANISOTROPIC);
  SetWindowExtEx(dc, kUnitsPerPixel, kUnitsPerPixel, nullptr);
  SetViewportExtEx(dc, 1, 1, nullptr);

  SelectObject(dc, GetStockObject(DC_PEN));
  SetDCPenColor(dc, RGB(160, 160, 160));
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, Units(left), Units(top), Units(left + picture.width * scale),
            Units(top + picture.height * scale));

  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  for (const Picture::Dot& d : picture.dots) {
    // At least two pixels across: GDI draws no fraction of a pixel, and a small page
    // still shows every dot.
    const double r = std::max(d.radius * scale, 1.0);
    const double x = left + d.x * scale;
    const double y = top + d.y * scale;
    Ellipse(dc, Units(x - r), Units(y - r), Units(x + r), Units(y + r));
  }
  RestoreDC(dc, saved);
}

}  // namespace platform::win32
