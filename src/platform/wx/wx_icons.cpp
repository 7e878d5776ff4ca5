#include "platform/wx/wx_icons.h"

#include <wx/icon.h>

#include <cstdlib>

namespace platform::wx {

wxIconBundle IconBundleOf(const IconResource& icon) {
  wxIconBundle bundle;
  for (const IconImage& image : icon.images) bundle.AddIcon(wxIcon(image.xpm.data()));
  return bundle;
}

wxBitmap IconBitmapOf(const IconResource& icon, int pixels) {
  const IconImage* best = nullptr;
  for (const IconImage& image : icon.images) {
    if (best == nullptr || std::abs(image.pixels - pixels) < std::abs(best->pixels - pixels)) {
      best = &image;
    }
  }
  return best != nullptr ? wxBitmap(best->xpm.data()) : wxBitmap();
}

}  // namespace platform::wx
