#include "graph/data_points_text.h"

#include <cmath>

#include "sheet/value_text.h"

namespace rv {

namespace {

// Every number as the shortest text that reads back as the same double.
std::string Number(double value) { return RoundTripText(value); }

std::string Optional(double value) { return std::isfinite(value) ? Number(value) : std::string(); }

std::string CurveText(const Surface& surface, const CurveBands& bands) {
  std::string text = FormatText("X%d\tY", surface.selection.first);
  if (bands.shown()) text += "\tConf Low\tConf High\tPred Low\tPred High";
  text += "\r\n";
  for (int k = 0; k < kGridPoints; ++k) {
    const SurfacePoint& p = surface.grid[static_cast<size_t>(k)][0];
    text += Number(p.x) + "\t" + (p.hasValue() ? Number(p.value) : std::string());
    if (bands.shown()) {
      const PointBands& b = bands.points[static_cast<size_t>(k)];
      for (const double end : {b.confidence.low, b.confidence.high, b.prediction.low, b.prediction.high})
        text += "\t" + Optional(end);
    }
    text += "\r\n";
  }
  return text;
}

std::string Field(double value) { return Number(value) + "\t"; }

std::string SurfaceText(const Surface& surface, const DataSheet& sheet) {
  const SurfaceGrid& grid = surface.grid;
  std::string text = sheet.names[static_cast<size_t>(surface.selection.first)] + "\t" +
                     sheet.names[static_cast<size_t>(surface.selection.second)] + " ->\r\n\t";
  for (const auto& row : grid) text += Field(row[0].z);
  text += "\r\n";
  for (int column = 0; column < kGridPoints; ++column) {
    text += Field(grid[0][static_cast<size_t>(column)].x);
    for (const auto& row : grid) {
      const SurfacePoint& p = row[static_cast<size_t>(column)];
      text += p.hasValue() ? Field(p.value) : "\t";
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace

std::string GraphDataPointsText(const Surface& surface, const DataSheet& sheet, const CurveBands& bands) {
  return surface.isCurve() ? CurveText(surface, bands) : SurfaceText(surface, sheet);
}

}  // namespace rv
