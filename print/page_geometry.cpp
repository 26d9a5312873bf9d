#include "print/page_geometry.h"

namespace rv {

PageGeometry PageGeometryFor(bool landscape) {
  if (landscape) return {3300, 2550, 1575, 2400, 3120, 3300 - kLeftMargin};
  return {2550, 3300, 1275, 3120, 2400, 2550 - kLeftMargin};
}

}  // namespace rv
