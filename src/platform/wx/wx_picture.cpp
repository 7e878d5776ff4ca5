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
  if (picture_.width <= 0 || picture_.height <= 0 || area.x <= 2 || area.y <= 2) return;

  // The page as large as the control allows, in its middle, one pixel clear of the edge.
  const double scale = std::min((area.x - 2) / picture_.width, (area.y - 2) / picture_.height);
  const double left = (area.x - picture_.width * scale) / 2;
  const double top = (area.y - picture_.height * scale) / 2;

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
