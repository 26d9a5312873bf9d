#pragma once

#include <cstdint>

#include "graph/glyph_set.h"
#include "graph/raster_vertex.h"
#include "graph/render_target.h"

namespace rv {

// Fragments reach the picture through the depth test GL_LESS: a fragment
// is written, with its depth, only where it is nearer than what is there.
// Colour indices are interpolated across lines and polygons (smooth
// shading); a fragment takes the nearest whole index.

// Every pixel to index, every depth to the far plane.
void ClearTarget(RenderTarget& target, std::uint8_t index);

// A line between two window positions: one fragment per pixel column (or
// row, when the line is steeper than 45°) whose centre lies on the way from
// a to b, b itself excluded, so that lines joined end to end draw their
// shared point once. A target's lineWidth above 1 widens every line across
// its major axis, as wide lines are drawn.
void RasterizeLine(RenderTarget& target, const RasterVertex& a, const RasterVertex& b);

// A triangle in window coordinates: every pixel whose centre lies inside;
// a centre on an edge belongs to the triangle on its left or top side, so
// triangles sharing an edge neither overlap nor leave a gap.
void RasterizeTriangle(RenderTarget& target, const RasterVertex& a, const RasterVertex& b, const RasterVertex& c);

// A glyph with its origin at window position (x, y), at depth z.
void RasterizeGlyph(RenderTarget& target, const GlyphBitmap& glyph, double x, double y, double z, std::uint8_t index);

}  // namespace rv
