#pragma once

namespace rv {

// Pages are Letter paper, 8.5 × 11 inches, measured in units of 1/300 inch
// from the paper's top left corner, y downward.
inline constexpr int kPageUnitsPerInch = 300;
inline constexpr int kLeftMargin = 300;
inline constexpr int kTopMargin = 300;
inline constexpr int kFooterPathX = 150;

struct PageGeometry {
  int width;
  int height;
  int titleCentre;      // x of centred titles
  int footerY;          // top of the footer line
  int pageNumberRight;  // right edge of the page number
  int bodyRight;        // body text ends here: the right margin is as wide as the left
};

// 2550 × 3300, titles at 1275, footer at 3120, page number at 2400, body
// text up to 2250 in portrait; 3300 × 2550, 1575, 2400, 3120 and 3000 in
// landscape.
PageGeometry PageGeometryFor(bool landscape);

}  // namespace rv
