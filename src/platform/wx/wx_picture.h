// The picture control of a real window: a Picture drawn on a white page, scaled to fit
// the control with its proportions kept. It takes no focus, and screen readers are told
// to pass it by: it is there for sighted helpers.
#pragma once

#include <wx/window.h>

#include "platform/picture.h"

class wxPaintEvent;

namespace platform::wx {

class PictureWindow final : public wxWindow {
 public:
  PictureWindow();

  void SetPicture(const Picture& picture);
  const Picture& GetPicture() const { return picture_; }

  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }

 private:
  void OnPaint(wxPaintEvent& event);

  Picture picture_;
};

}  // namespace platform::wx
