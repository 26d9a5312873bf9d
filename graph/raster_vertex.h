#pragma once

namespace rv {

// A vertex on its way to the picture: first in normalised device
// coordinates, then in window coordinates (pixels, y upward from the
// picture's bottom row, depth 0 to 1), with its colour index carried along
// so that it can be interpolated.
struct RasterVertex {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double index = 0.0;
};

}  // namespace rv
