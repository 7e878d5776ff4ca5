// What a screen reader learns from the windows beyond what the toolkit tells it: the
// names of edits and combo boxes (from their templates), and spoken announcements.
#pragma once

#include <string_view>

class wxWindow;

namespace platform::wx {

// Sets the accessible name of `control`. A combo box with an edit field gets it on the
// box and on its edit field, which is what takes the focus; an edit of several lines on
// its scrolled window and on its text view.
void SetAccessibleName(wxWindow& control, std::string_view name);

// Marks `control` as one screen readers pass by: a drawing for sighted readers, whose
// content the window gives in words elsewhere.
void HideFromScreenReader(wxWindow& control);

// Asks the screen reader to speak `text` now, as an announcement of `window`. Does
// nothing where the accessibility toolkit has no announcements.
void AnnounceThrough(wxWindow& window, std::string_view text);

}  // namespace platform::wx
