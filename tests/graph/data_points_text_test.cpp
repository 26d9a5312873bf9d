#include "graph/data_points_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "graph_fixtures.h"

namespace rv {
namespace {

using testing::Curve;
using testing::Equation;
using testing::SheetWithRanges;
using testing::SurfaceOver;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

TEST(CopyDataPoints, ACurveListsItsTwentyOnePointsUnderXnAndY) {
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 3, 0}}, {0.5, 1.0});
  const Surface s = BuildSurface(ws, SheetWithRanges({{3, {0.0, 2.0}}}), Curve(3), {10, 10, 10}).value();
  const auto lines = Lines(GraphDataPointsText(s, DataSheet{}));
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[0], "X3\tY");
  EXPECT_EQ(lines[1], "0.000000\t1.000000");
  EXPECT_EQ(lines[21], "2.000000\t2.000000");
}

TEST(CopyDataPoints, ASurfaceListsTheZValuesThenOneLinePerXWithItsColumn) {
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1.0, 10.0, 0.0});
  DataSheet sheet = SheetWithRanges({{1, {0.0, 2.0}}, {2, {0.0, 1.0}}});
  sheet.names[1] = "Temp";
  sheet.names[2] = "Vol";
  const Surface s = BuildSurface(ws, sheet, SurfaceOver(1, 2), {10, 10, 10}).value();
  const std::string text = GraphDataPointsText(s, sheet);
  EXPECT_EQ(text.rfind("Temp\tVol ->\r\n\t0\t0.05\t0.1\t", 0), 0u) << text.substr(0, 40);
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 2u + 21);
  EXPECT_EQ(Fields(lines[1]).size(), 22u);
  const auto column = Fields(lines[2 + 3]);  // X = 0.3
  ASSERT_EQ(column.size(), 22u);
  EXPECT_EQ(column[0], "0.3");
  EXPECT_EQ(column[1], "0.3");    // the value at Z = 0
  EXPECT_EQ(column[21], "10.3");  // at Z = 1
  EXPECT_EQ(lines[2 + 3].back(), '\t');
}

TEST(CopyDataPoints, APointWithoutAValueLeavesAnEmptyField) {
  const FitWorkspace exp = Equation(EquationSet::Y, {{kTermExp, 1, 0}}, {1.0, 0.0});
  const Surface curve = BuildSurface(exp, SheetWithRanges({{1, {0.0, 1000.0}}}), Curve(1), {10, 10, 10}).value();
  const auto lines = Lines(GraphDataPointsText(curve, DataSheet{}));
  EXPECT_EQ(lines[21], "1000.000000\t");

  const FitWorkspace both = Equation(EquationSet::Y, {{kTermExp, 1, 0}, {kTermX, 2, 0}}, {1.0, 1.0, 0.0});
  const Surface surface =
      BuildSurface(both, SheetWithRanges({{1, {0.0, 1000.0}}, {2, {0.0, 1.0}}}), SurfaceOver(1, 2), {10, 10, 10})
          .value();
  const auto last = Fields(Lines(GraphDataPointsText(surface, DataSheet{}))[22]);
  EXPECT_EQ(last[0], "1000");
  for (size_t i = 1; i < last.size(); ++i) EXPECT_EQ(last[i], "") << i;
}

}  // namespace
}  // namespace rv
