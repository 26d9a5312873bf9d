#include "stats/chart_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace rv {
namespace {

ResidualTable Table(std::vector<double> yObs, std::vector<double> yCalc) {
  ResidualTable table;
  table.yObs = std::move(yObs);
  table.yCalc = std::move(yCalc);
  bool first = true;
  double obsMax = 0, calcMax = 0;
  for (size_t i = 0; i < table.yObs.size(); ++i) {
    if (!std::isfinite(table.yObs[i]) || !std::isfinite(table.yCalc[i])) continue;
    if (first || table.yObs[i] < table.obsMin) table.obsMin = table.yObs[i];
    if (first || table.yObs[i] > obsMax) obsMax = table.yObs[i];
    if (first || table.yCalc[i] < table.calcMin) table.calcMin = table.yCalc[i];
    if (first || table.yCalc[i] > calcMax) calcMax = table.yCalc[i];
    first = false;
  }
  table.obsRange = obsMax - table.obsMin;
  table.calcRange = calcMax - table.calcMin;
  return table;
}

// The extremes land on the frame's corners, on screen and in the picture;
// offsets are truncated, not rounded (0.999 of the range is 308.69 units
// across and 135.86 up); equal values go on the centre line instead of
// dividing by zero; points without a finite value are left out.
TEST(ChartPointsTest, EachPointLandsWhereItsShareOfTheRangesSays) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const ChartFrame screen = kScreenChartFrame, picture = kPictureChartFrame;
  const struct {
    const char* what;
    std::vector<double> yObs, yCalc;
    ChartFrame frame;
    std::vector<ChartPoint> points;
  } cases[] = {
      {"on screen", {2, 10, 6}, {1, 9, 5}, screen, {{39, 144}, {348, 8}, {39 + 154, 144 - 68}}},
      {"in the picture", {2, 10, 6}, {1, 9, 5}, picture, {{270, 1030}, {1230, 70}, {270 + 480, 1030 - 480}}},
      {"truncated", {0, 0.999, 1}, {0, 0.999, 1}, screen, {{39, 144}, {39 + 308, 144 - 135}, {348, 8}}},
      {"Y Calc flat", {1, 2, 3}, {5, 5, 5}, screen, {{39 + 154, 144}, {39 + 154, 76}, {39 + 154, 8}}},
      {"Y Obs flat", {7, 7}, {1, 2}, picture, {{270, 550}, {1230, 550}}},
      {"one point", {4}, {4.5}, screen, {{39 + 154, 144 - 68}}},
      {"not finite", {1, 2, 3, inf}, {1, nan, 3, 2}, screen, {{39, 144}, {348, 8}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ChartPoints(Table(c.yObs, c.yCalc), c.frame), c.points);
  }
}

TEST(ChartPointsTest, HugeValuesStayInsideTheFrame) {
  const ResidualTable table = Table({-1e308, 1e308}, {-1e308, 1e308});
  for (const ChartPoint& point : ChartPoints(table, kScreenChartFrame)) {
    EXPECT_GE(point.x, 39);
    EXPECT_LE(point.x, 348);
    EXPECT_GE(point.y, 8);
    EXPECT_LE(point.y, 144);
  }
}

}  // namespace
}  // namespace rv
