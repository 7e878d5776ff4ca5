// A picture as data: filled circles on a white page, in millimetres from its top left.
// The hosts draw it with their own drawing calls, scaled to the control that shows it.
#pragma once

#include <algorithm>
#include <optional>
#include <vector>

namespace platform {

struct Picture {
  struct Dot {
    double x;
    double y;
    double radius;
  };
  double width = 0;
  double height = 0;
  std::vector<Dot> dots;
};

// Where a picture goes in an area of `width` by `height` pixels: as large as the area
// allows, keeping its proportions, in its middle and one pixel clear of the edge. Nothing
// when there is nothing to draw or no room.
struct Placement {
  double scale;  // pixels a millimetre
  double left;   // the page's top left corner, from the area's
  double top;
};

inline std::optional<Placement> PlaceIn(const Picture& picture, double width, double height) {
  if (picture.width <= 0 || picture.height <= 0 || width <= 2 || height <= 2) return std::nullopt;
  const double scale = std::min((width - 2) / picture.width, (height - 2) / picture.height);
  return Placement{scale, (width - picture.width * scale) / 2,
                   (height - picture.height * scale) / 2};
}

}  // namespace platform
