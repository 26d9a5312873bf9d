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
  EXPECT_EQ(lines[1], "0\t1");
  // X stepped up by repeated addition ends a hair above 2: its digits show it.
  EXPECT_EQ(lines[21], "2.0000000000000004\t2");
}

// Every number reads back as the double it stands for, in as few digits as
// that takes: 2E+25, never a 26-digit integer.
TEST(CopyDataPoints, EveryNumberIsTheShortestTextThatReadsBackAsItsValue) {
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {1.0, 0.0});
  const Surface s = BuildSurface(ws, SheetWithRanges({{1, {2e25, 4e25}}}), Curve(1), {10, 10, 10}).value();
  const auto lines = Lines(GraphDataPointsText(s, DataSheet{}));
  EXPECT_EQ(lines[1], "2E+25\t2E+25");
  for (size_t k = 1; k < lines.size(); ++k) {
    const auto fields = Fields(lines[k]);
    EXPECT_EQ(std::stod(fields[0]), s.grid[k - 1][0].x) << fields[0];
    EXPECT_EQ(std::stod(fields[1]), s.grid[k - 1][0].value) << fields[1];
  }
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
  EXPECT_EQ(column[0], "0.30000000000000004");  // 0.1 added three times
  EXPECT_EQ(column[1], "0.30000000000000004");  // the value at Z = 0
  EXPECT_EQ(column[21], "10.300000000000002");  // at Z = 1
  EXPECT_EQ(lines[2 + 3].back(), '\t');
}

TEST(CopyDataPoints, APointWithoutAValueLeavesAnEmptyField) {
  const FitWorkspace exp = Equation(EquationSet::Y, {{kTermExp, 1, 0}}, {1.0, 0.0});
  const Surface curve = BuildSurface(exp, SheetWithRanges({{1, {0.0, 1000.0}}}), Curve(1), {10, 10, 10}).value();
  const auto lines = Lines(GraphDataPointsText(curve, DataSheet{}));
  EXPECT_EQ(lines[21], "1000\t");

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
