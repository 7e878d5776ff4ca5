#include "platform/wx/wx_picture.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>
#include <wx/settings.h>

#include <algorithm>
#include <memory>

namespace platform::wx {

PictureWindow::PictureWindow() {
  // Every pixel is painted here: no background erase, so the page never flickers.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent& e) { OnPaint(e); });
}

void PictureWindow::SetPicture(const Picture& picture) {
  picture_ = picture;
  Refresh();
}

void PictureWindow::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
  dc.Clear();
  const wxSize area = GetClientSize();
  const std::optional<Placement> place = PlaceIn(picture_, area.x, area.y);
  if (!place) return;
  const auto [scale, left, top] = *place;

  const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
  if (!gc) return;
  gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
  gc->SetPen(wxPen(wxColour(160, 160, 160)));
  gc->SetBrush(*wxWHITE_BRUSH);
  gc->DrawRectangle(left, top, picture_.width * scale, picture_.height * scale);

  wxGraphicsPath dots = gc->CreatePath();
  for (const Picture::Dot& d : picture_.dots) {
    // At least half a pixel across, so that a small page still shows every dot.
    dots.AddCircle(left + d.x * scale, top + d.y * scale, std::max(d.radius * scale, 0.5));
  }
  gc->SetPen(*wxTRANSPARENT_PEN);
  gc->SetBrush(*wxBLACK_BRUSH);
  gc->FillPath(dots);
}

}  // namespace platform::wx
