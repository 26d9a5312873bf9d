#include "print/page_geometry.h"

namespace rv {

namespace {

// The footer stands this far above the bottom edge, the page number ends
// this far from the right one: 180 and 150 standing, 150 and 180 lying.
constexpr int kFooterAbovePortraitBottom = 180;
constexpr int kFooterAboveLandscapeBottom = 150;
// Lying, titles have always stood this far left of the page's middle.
constexpr int kLandscapeTitleShift = 75;

}  // namespace

PageSize LetterPage(bool landscape) { return landscape ? PageSize{3300, 2550} : PageSize{2550, 3300}; }

PageGeometry PageGeometryFor(bool landscape, PageSize page) {
  const int footer = landscape ? kFooterAboveLandscapeBottom : kFooterAbovePortraitBottom;
  const int number = landscape ? kFooterAbovePortraitBottom : kFooterAboveLandscapeBottom;
  const int centre = page.width / 2 - (landscape ? kLandscapeTitleShift : 0);
  return {page.width, page.height, centre, page.height - footer, page.width - number, page.width - kLeftMargin};
}

}  // namespace rv
