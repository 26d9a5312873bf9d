#include "graph/curve_bands.h"

#include <array>

#include "graph/graph_color.h"
#include "graph/line_strips.h"

namespace rv {

namespace {

// One end of a band along the curve, with the curve's own pole sides, so a
// band is broken wherever the curve is.
template <typename End>
void AddBandEnd(DisplayList& list, const CurveBands& bands, const Surface& surface, End end, std::uint8_t index) {
  std::array<SurfacePoint, kGridPoints> path;
  for (int k = 0; k < kGridPoints; ++k) {
    const SurfacePoint& curve = surface.grid[static_cast<size_t>(k)][0];
    path[static_cast<size_t>(k)] = {curve.x, end(bands.points[static_cast<size_t>(k)]), curve.z, curve.poleSide};
  }
  AddStrips(
      list, kGridPoints, [&](int k) -> const SurfacePoint& { return path[static_cast<size_t>(k)]; }, index);
}

}  // namespace

CurveBands BuildCurveBands(const FitWorkspace& workspace, const Surface& surface, const BandOptions& options) {
  CurveBands bands;
  if (!surface.isCurve() || !options.shown) return bands;
  const ConfidenceBands basis = BuildConfidenceBands(workspace, options.level);
  VariableVector variables = surface.constants;
  for (int k = 0; k < kGridPoints; ++k) {
    const SurfacePoint& point = surface.grid[static_cast<size_t>(k)][0];
    variables[static_cast<size_t>(surface.selection.first)] = point.x;
    bands.points.push_back(BandsAt(basis, workspace, variables.data()));
  }
  bands.heading = BandHeading(options.level, workspace.set());
  return bands;
}

void AddBandLines(DisplayList& list, const CurveBands& bands, const Surface& surface, const GraphOptions& options) {
  if (!bands.shown()) return;
  if (const auto index = GraphColorIndex(options.predictionBandColor)) {
    AddBandEnd(
        list, bands, surface, [](const PointBands& b) { return b.prediction.low; }, *index);
    AddBandEnd(
        list, bands, surface, [](const PointBands& b) { return b.prediction.high; }, *index);
  }
  if (const auto index = GraphColorIndex(options.confidenceBandColor)) {
    AddBandEnd(
        list, bands, surface, [](const PointBands& b) { return b.confidence.low; }, *index);
    AddBandEnd(
        list, bands, surface, [](const PointBands& b) { return b.confidence.high; }, *index);
  }
}

}  // namespace rv
