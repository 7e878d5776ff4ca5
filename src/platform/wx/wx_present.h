// Giving a window the keyboard once it is on screen.
#pragma once

class wxWindow;

namespace platform::wx {

// While it lives, brings `window` forward with the input focus as soon as the window is
// on screen (whatever event loop runs then, a native box's own loop included). A window manager
// gives a new window the keyboard by itself; without one, keys would stay with the window that had
// them, or go nowhere.
class PresentWhenShown {
 public:
  explicit PresentWhenShown(wxWindow& window);
  ~PresentWhenShown();
  PresentWhenShown(const PresentWhenShown&) = delete;
  PresentWhenShown& operator=(const PresentWhenShown&) = delete;

 private:
  wxWindow& window_;
  unsigned source_ = 0;

  static int OnIdle(void* self);
};

}  // namespace platform::wx
