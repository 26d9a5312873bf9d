#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/outcome.h"
#include "graph/axis_ticks.h"
#include "graph/evaluate_equation.h"
#include "graph/graph_selection.h"
#include "graph/y_range.h"
#include "regress/fit_workspace.h"
#include "sheet/data_sheet.h"
#include "sheet/document.h"

namespace rv {

// The evaluation grid is fixed, whatever the segment counts: 21 points a
// side, 20 intervals.
inline constexpr int kGridPoints = 21;

struct SurfacePoint {
  double x = 0.0;
  double value = 0.0;
  double z = 0.0;
  // Which side of each pole of the equation the point lies on: no line or
  // polygon joins points on different sides.
  std::uint32_t poleSide = 0;
  // A point where the equation has no finite value (a term outside its
  // domain, a back transform without value, an overflow) is in no range and
  // no part of the picture.
  bool hasValue() const { return std::isfinite(value); }
};

// Whether the picture may join two points: both have a value and no pole
// lies between them.
inline bool Joinable(const SurfacePoint& a, const SurfacePoint& b) {
  return a.hasValue() && b.hasValue() && a.poleSide == b.poleSide;
}

// grid[row][column]: row r is the r-th value of the second variable, column
// c the c-th of the first. A curve fills only column 0: point k of the
// curve is grid[k][0], in the plane z = 0.
using SurfaceGrid = std::array<std::array<SurfacePoint, kGridPoints>, kGridPoints>;

struct GraphRanges {
  double xMin = 0.0, xMax = 0.0;
  double zMin = 0.0, zMax = 0.0;
  // Typed, or the values' extremes rounded outward by NiceRange; what lies
  // beyond is not drawn.
  double valueMin = 0.0, valueMax = 0.0;
  // The unrounded extremes of the values, which Shade Surface spreads its
  // ramp over; widened as the value range is when all values are equal.
  double shadeMin = 0.0, shadeMax = 0.0;

  double xRange() const { return xMax - xMin; }
  double zRange() const { return zMax - zMin; }
  double valueRange() const { return valueMax - valueMin; }
};

// The round numbers along the axes, a step apart that divides each range
// into about as many intervals as its Segments (1 to 50) ask for; grid
// lines and labels stand at them.
struct SurfaceTicks {
  AxisTicks x, value, z;
};

struct Surface {
  GraphSelection selection;
  SurfaceGrid grid{};
  GraphRanges ranges;
  SurfaceTicks ticks;
  // The graph constants of every variable; the graphed ones are overwritten
  // point by point.
  VariableVector constants{};

  bool isCurve() const { return selection.count == 1; }
  // The points of the curve (21) or of the surface (21 × 21) in grid order.
  int pointCount() const { return isCurve() ? kGridPoints : kGridPoints * kGridPoints; }
};

// Evaluates the workspace's current equation over the graph ranges of the
// selected variables (the caller re-creates the chosen equation first), and
// works out the value range and the ticks. An automatic value range leaves
// out a point next to a pole whose value lies far beyond those of the
// points that are not (beyond the quartiles by three times their distance),
// so that a curve with a pole stays readable. No picture when a graphed
// variable's range is empty or the equation has no finite value over it;
// the message, shown as information, says which.
Outcome<Surface> BuildSurface(const FitWorkspace& workspace, const DataSheet& sheet, const GraphSelection& selection,
                              const std::array<std::int32_t, 3>& segments, const YRange& yRange = {});

}  // namespace rv
