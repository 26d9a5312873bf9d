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

TEST(ChartPointsTest, ExtremesLandOnTheFrameCornersOnScreenAndInThePicture) {
  const ResidualTable table = Table({2.0, 10.0, 6.0}, {1.0, 9.0, 5.0});
  EXPECT_EQ(ChartPoints(table, kScreenChartFrame),
            (std::vector<ChartPoint>{{39, 144}, {348, 8}, {39 + 154, 144 - 68}}));
  EXPECT_EQ(ChartPoints(table, kPictureChartFrame),
            (std::vector<ChartPoint>{{270, 1030}, {1230, 70}, {270 + 480, 1030 - 480}}));
}

TEST(ChartPointsTest, OffsetsAreTruncatedNotRounded) {
  // 0.999 of the range: 308.69 units across and 135.86 up are truncated.
  const ResidualTable table = Table({0.0, 0.999, 1.0}, {0.0, 0.999, 1.0});
  const std::vector<ChartPoint> points = ChartPoints(table, kScreenChartFrame);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1], (ChartPoint{39 + 308, 144 - 135}));
}

TEST(ChartPointsTest, EqualValuesGoOnTheCentreLineInsteadOfDividingByZero) {
  const ResidualTable flatCalc = Table({1.0, 2.0, 3.0}, {5.0, 5.0, 5.0});
  EXPECT_EQ(ChartPoints(flatCalc, kScreenChartFrame),
            (std::vector<ChartPoint>{{39 + 154, 144}, {39 + 154, 76}, {39 + 154, 8}}));
  const ResidualTable flatObs = Table({7.0, 7.0}, {1.0, 2.0});
  EXPECT_EQ(ChartPoints(flatObs, kPictureChartFrame), (std::vector<ChartPoint>{{270, 550}, {1230, 550}}));
  const ResidualTable onePoint = Table({4.0}, {4.5});
  EXPECT_EQ(ChartPoints(onePoint, kScreenChartFrame), (std::vector<ChartPoint>{{39 + 154, 144 - 68}}));
}

TEST(ChartPointsTest, PointsWithoutAFiniteValueAreLeftOut) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const ResidualTable table = Table({1.0, 2.0, 3.0, inf}, {1.0, nan, 3.0, 2.0});
  EXPECT_EQ(ChartPoints(table, kScreenChartFrame), (std::vector<ChartPoint>{{39, 144}, {348, 8}}));
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
