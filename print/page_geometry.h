#pragma once

namespace rv {

// Pages are measured in units of 1/300 inch from the paper's top left
// corner, y downward. The layout was made for Letter paper, 8.5 × 11 inches;
// on another paper the page is as many units as the paper holds once the
// device has scaled the layout to fit it (Paper's LayoutScale).
inline constexpr int kPageUnitsPerInch = 300;
inline constexpr int kLeftMargin = 300;
inline constexpr int kTopMargin = 300;
inline constexpr int kFooterPathX = 150;

// The page's size in page units, as it stands (its orientation applied).
struct PageSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PageSize&, const PageSize&) = default;
};

// Letter paper, 2550 × 3300 standing, 3300 × 2550 lying.
PageSize LetterPage(bool landscape);

struct PageGeometry {
  int width;
  int height;
  int titleCentre;      // x of centred titles
  int footerY;          // top of the footer line
  int pageNumberRight;  // right edge of the page number
  int bodyRight;        // body text ends here: the right margin is as wide as the left
};

// On Letter: 2550 × 3300, titles at 1275, footer at 3120, page number at
// 2400, body text up to 2250 in portrait; 3300 × 2550, 1575, 2400, 3120
// and 3000 in landscape. On another page the footer keeps its distance
// from the bottom edge, the page number and the body theirs from the right.
PageGeometry PageGeometryFor(bool landscape, PageSize page);
inline PageGeometry PageGeometryFor(bool landscape) { return PageGeometryFor(landscape, LetterPage(landscape)); }

}  // namespace rv
