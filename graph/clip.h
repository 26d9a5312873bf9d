#pragma once

#include <vector>

#include "graph/raster_vertex.h"

namespace rv {

// The view volume is the cube -1 ≤ x, y, z ≤ 1 of normalised device
// coordinates; no line or polygon is drawn outside it.

// Cuts a line to the part inside the view volume, interpolating depth and
// index. False when no part is inside (or a coordinate is not a number).
bool ClipLine(RasterVertex& a, RasterVertex& b);

// Cuts a convex polygon to the view volume. The result replaces polygon and
// is empty when nothing is left; scratch is working room.
void ClipPolygon(std::vector<RasterVertex>& polygon, std::vector<RasterVertex>& scratch);

// The same cuts to the band low ≤ y ≤ high alone, in any coordinates.
bool ClipLineToBand(RasterVertex& a, RasterVertex& b, double low, double high);
void ClipPolygonToBand(std::vector<RasterVertex>& polygon, std::vector<RasterVertex>& scratch, double low, double high);

}  // namespace rv
