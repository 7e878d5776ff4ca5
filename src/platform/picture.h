// A picture as data: filled circles on a white page, in millimetres from its top left.
// The hosts draw it with their own drawing calls, scaled to the control that shows it.
#pragma once

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

}  // namespace platform
