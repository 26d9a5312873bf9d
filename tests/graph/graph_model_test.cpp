#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graph/auto_update.h"
#include "graph/axis_labels.h"
#include "graph/data_point_markers.h"
#include "graph/graph_selection.h"
#include "graph/label_text.h"
#include "graph/surface.h"
#include "graph_fixtures.h"
#include "sheet/graph_range.h"

namespace rv {
namespace {

using testing::Curve;
using testing::Equation;
using testing::SheetWithRanges;
using testing::SurfaceOver;

std::vector<std::string> Texts(const std::vector<GraphVariableEntry>& entries) {
  std::vector<std::string> texts;
  texts.reserve(entries.size());
  for (const GraphVariableEntry& entry : entries) texts.push_back(entry.text);
  return texts;
}

// Each variable is offered once, in the order the text names it first, so
// it cannot be chosen for two axes; products and quotients name their
// second variable three characters after the first. One or two entries
// come pre-selected, more do not.
TEST(GraphVariableList, OffersEachVariableOnceInTheOrderTheTextNamesThem) {
  // X1 to X8 twice each, then X9 and X10 as the 17th and 18th occurrences.
  std::string eighteen = "Y =";
  std::vector<std::string> pastSixteen;
  for (int i = 0; i < 18; ++i) {
    const int variable = i < 16 ? i / 2 + 1 : i - 7;
    eighteen += " a X" + std::to_string(variable) + " +";
    if (i % 2 == 0 || i >= 16) pastSixteen.push_back("\tX" + std::to_string(variable));
  }
  const struct {
    std::string text;
    std::vector<std::string> entries;
  } cases[] = {
      {"Y = aX1 + bX1^2 + cX3 + d", {"\tX1", "\tX3"}},  // X1 and X1 squared collapse
      {"Y = aX1 + bX2 + cX1 + d", {"\tX1", "\tX2"}},
      {"Y = aX1 + bX2 + cX3 + dX1 + e", {"\tX1", "\tX2", "\tX3"}},
      {"ln(Y) = a/sqr(X12) + b", {"\tX12"}},
      {"Y = a", {}},
      {"Y = a X1 X2 + b", {"\tX1", "\tX2"}},
      {"Y = a X1/X2 + b X3/X1 + c", {"\tX1", "\tX2", "\tX3"}},
      {eighteen + " b", pastSixteen},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::vector<GraphVariableEntry> entries = GraphVariableEntries(c.text);
    EXPECT_EQ(Texts(entries), c.entries);
    for (const GraphVariableEntry& entry : entries) EXPECT_EQ(entry.selected, entries.size() <= 2) << entry.text;
  }
}

TEST(GraphSelectionCheck, NeedsAnEquationAndOneOrTwoVariables) {
  const std::vector<GraphVariableEntry> entries = {{"\tX1", false}, {"\tX4", false}, {"\tX12", false}};
  EXPECT_EQ(ValidateGraphSelection(false, entries).message(),
            (Message{kNoEquationToGraphMessage, MessageKind::Information}));
  EXPECT_EQ(ValidateGraphSelection(true, entries).message().text, kNoVariableToGraphMessage);
  EXPECT_EQ(ValidateGraphSelection(true, {}).message().text, kNoVariableToGraphMessage);

  auto chosen = entries;
  chosen[2].selected = true;
  const Outcome<GraphSelection> one = ValidateGraphSelection(true, chosen);
  ASSERT_TRUE(one);
  EXPECT_EQ(*one, (GraphSelection{1, 12, 12}));

  chosen[1].selected = true;
  EXPECT_EQ(ValidateGraphSelection(true, chosen).value(), (GraphSelection{2, 4, 12}));

  // The same variable in two entries (a damaged data file's list) is one
  // variable, never a surface over X4 and X4.
  const std::vector<GraphVariableEntry> twice = {{"\tX4", true}, {"\tX4", true}};
  EXPECT_EQ(ValidateGraphSelection(true, twice).value(), (GraphSelection{1, 4, 4}));

  chosen[0].selected = true;
  const Outcome<GraphSelection> three = ValidateGraphSelection(true, chosen);
  ASSERT_FALSE(three);
  EXPECT_EQ(three.message().text, kTooManyVariablesMessage);

  // An entry of a damaged data file names no variable and is not counted.
  EXPECT_EQ(ValidateGraphSelection(true, {{"\tX0", true}, {"\tY", true}, {"\tX17", true}}).message().text,
            kNoVariableToGraphMessage);
}

TEST(AutoUpdate, RoundsEachColumnOutwardHoldsItAtItsMeanAndEmptiesColumnsWithoutData) {
  EXPECT_EQ(NiceRange(0.0, 0.5).high, 0.5);  // a unit of 0.1
  EXPECT_EQ(NiceRange(0.3, 5.3).high, 6.0);  // a unit of 1
  EXPECT_EQ(NiceRange(1.0, 51.0).high, 60.0);
  EXPECT_EQ(NiceRange(1.0, 501.0).high, 510.0);
  EXPECT_EQ(NiceRange(1.0, 2001.0).high, 2100.0);

  DataSheet sheet;
  sheet.cell(0, 2) = 3.2;
  sheet.cell(1, 2) = 47.9;
  sheet.graphMinimum[3] = 7.0;  // entered by the user, then overwritten
  ApplyAutoUpdate(sheet);
  EXPECT_EQ(sheet.graphMinimum[2], 0.0);
  EXPECT_EQ(sheet.graphMaximum[2], 50.0);
  EXPECT_EQ(sheet.graphConstant[2], (3.2 + 47.9) / 2);
  EXPECT_TRUE(IsEmptyValue(sheet.graphMinimum[3]) && IsEmptyValue(sheet.graphMaximum[3]));

  sheet.autoUpdate = false;
  sheet.graphMinimum[2] = -5.0;
  ApplyAutoUpdate(sheet);
  EXPECT_EQ(sheet.graphMinimum[2], -5.0);
}

TEST(BuildSurface, ACurveHas21PointsByRepeatedAdditionAndASymmetricDepthRange) {
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {0.25, 2.0});  // Y = 0.25 X1 + 2
  const Outcome<Surface> built = BuildSurface(ws, SheetWithRanges({{1, {0.0, 30.0}}}), Curve(1), {10, 10, 10});
  ASSERT_TRUE(built) << built.message().text;
  const Surface& s = built.value();
  double x = 0.0;
  for (int k = 0; k < kGridPoints; ++k) {
    EXPECT_EQ(s.grid[k][0].x, x);
    EXPECT_EQ(s.grid[k][0].value, 0.25 * x + 2.0);
    EXPECT_EQ(s.grid[k][0].z, 0.0);
    x = x + 30.0 * 0.05;
  }
  // Values 2 to 9.5 round out to 2 to 10 with a unit of 1; the depth range
  // is at least half the X range.
  EXPECT_EQ(s.ranges.valueMin, 2.0);
  EXPECT_EQ(s.ranges.valueMax, 10.0);
  EXPECT_EQ(s.ranges.zMin, -15.0);
  EXPECT_EQ(s.ranges.zMax, 15.0);

  // When the values reach further, they set the depth.
  const FitWorkspace steep = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {-4.0, 1.0});  // Y = -4 X1 + 1
  const Surface& t = BuildSurface(steep, SheetWithRanges({{1, {0.0, 30.0}}}), Curve(1), {10, 10, 10}).value();
  EXPECT_EQ(t.ranges.valueMin, -120.0);
  EXPECT_EQ(t.ranges.zMin, -120.0);
  EXPECT_EQ(t.ranges.zMax, 120.0);
}

TEST(BuildSurface, ASurfaceRunsXAlongEachRowAndZFromRowToRowWithRoundStepsForTheClampedSegments) {
  const FitWorkspace ws =
      Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1.0, 10.0, 0.0});  // Y = X1 + 10 X2
  const DataSheet sheet = SheetWithRanges({{1, {0.0, 2.0}}, {2, {-1.0, 1.0}}});
  const Outcome<Surface> built = BuildSurface(ws, sheet, SurfaceOver(1, 2), {0, 99, 4});
  ASSERT_TRUE(built);
  const Surface& s = built.value();
  EXPECT_EQ(s.grid[0][20].x, s.grid[5][20].x);
  EXPECT_EQ(s.grid[7][0].z, s.grid[7][20].z);
  EXPECT_EQ(s.grid[20][20].value, s.grid[20][20].x + 10.0 * s.grid[20][20].z);
  EXPECT_EQ(s.grid[0][0].value, -10.0);
  // The raw extremes are kept for shading; the value range is rounded out.
  EXPECT_EQ(s.ranges.shadeMin, -10.0);
  EXPECT_DOUBLE_EQ(s.ranges.shadeMax, 12.0);
  EXPECT_DOUBLE_EQ(s.ranges.valueMin, -10.0);
  EXPECT_DOUBLE_EQ(s.ranges.valueMax, 20.0);
  EXPECT_EQ(s.ranges.zMin, -1.0);
  // One X segment over 2, fifty value segments over 30 (a step of 0.6 is
  // no round number: 1), four Z segments over 2.
  EXPECT_EQ(s.ticks.x.step, 2.0);
  EXPECT_EQ(s.ticks.value.step, 1.0);
  EXPECT_EQ(s.ticks.z.step, 0.5);
}

TEST(BuildSurface, EqualValuesGetARangeAroundThemInsteadOfNoWidth) {
  const FitWorkspace flat = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {0.0, 5.0});
  const Surface s = BuildSurface(flat, SheetWithRanges({{1, {0.0, 1.0}}}), Curve(1), {10, 10, 10}).value();
  EXPECT_DOUBLE_EQ(s.ranges.valueMin, 4.5);
  EXPECT_DOUBLE_EQ(s.ranges.valueMax, 5.5);
  EXPECT_DOUBLE_EQ(s.ranges.shadeMin, 4.5);

  const FitWorkspace zero = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {0.0, 0.0});
  const Surface z = BuildSurface(zero, SheetWithRanges({{1, {0.0, 1.0}}}), Curve(1), {10, 10, 10}).value();
  EXPECT_EQ(z.ranges.valueMin, -1.0);
  EXPECT_EQ(z.ranges.valueMax, 1.0);
  EXPECT_GT(z.ticks.value.step, 0.0);
}

TEST(BuildSurface, RefusesAnEmptyRangeAndAnEquationWithoutValue) {
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1.0, 1.0, 0.0});
  DataSheet sheet;  // Auto Update over an empty column leaves EmptyValue … EmptyValue
  sheet.cell(0, 1) = 1.0;
  sheet.cell(1, 1) = 4.0;
  ApplyAutoUpdate(sheet);
  const Outcome<Surface> empty = BuildSurface(ws, sheet, SurfaceOver(1, 2), {10, 10, 10});
  // With Auto Update on, typing a range would be undone at the next Draw:
  // the message says so, and names the variable as the user named it.
  EXPECT_EQ(empty.message().text,
            "The graph range of X2 is empty.\nAuto Update takes it from the data at every Draw:\n"
            "under View, Variables, turn Auto Update off,\nthen set its Minimum and Maximum.");
  sheet.autoUpdate = false;
  sheet.names[2] = "Volume";
  EXPECT_EQ(BuildSurface(ws, sheet, SurfaceOver(1, 2), {10, 10, 10}).message().text,
            "The graph range of Volume is empty.\nSet its Minimum and Maximum under View, Variables.");

  sheet.graphMinimum[2] = 3.0;
  sheet.graphMaximum[2] = 1.0;
  EXPECT_FALSE(BuildSurface(ws, sheet, SurfaceOver(1, 2), {10, 10, 10}));
  sheet.graphMaximum[2] = std::nan("");
  EXPECT_FALSE(BuildSurface(ws, sheet, SurfaceOver(1, 2), {10, 10, 10}));

  // e^X1 overflows beyond about 709.
  const FitWorkspace exp = Equation(EquationSet::Y, {{kTermExp, 1, 0}}, {1.0, 0.0});
  const Outcome<Surface> none = BuildSurface(exp, SheetWithRanges({{1, {800.0, 1000.0}}}), Curve(1), {10, 10, 10});
  EXPECT_EQ(none.message().text, "The equation has no value\nover the graph range.");
}

// Y = 1/X1 + 0 from -1 to 1 in steps of 0.1: the grid's 11th point lies a
// hair off 0, where the curve is near infinite, on the pole's other side
// from its neighbour. It sets no automatic range; a typed range is kept.
TEST(BuildSurface, AnAutomaticRangeLeavesOutPointsNextToAPoleFarBeyondTheOthersAndATypedRangeIsKept) {
  const FitWorkspace pole = Equation(EquationSet::Y, {{kTermInvX, 1, 0}}, {1.0, 0.0});
  const DataSheet sheet = SheetWithRanges({{1, {-1.0, 1.0}}});
  const Surface automatic = BuildSurface(pole, sheet, Curve(1), {10, 10, 10}).value();
  ASSERT_GT(std::fabs(automatic.grid[10][0].value), 1e10);
  // The others reach ±10 and a hair more: rounded out, ±20 at most.
  EXPECT_GE(automatic.ranges.valueMin, -20.0);
  EXPECT_LE(automatic.ranges.valueMax, 20.0);
  EXPECT_GT(automatic.ranges.valueMax, 10.0);
  // Without a pole a steep curve keeps its whole range: e^X1 over 0 to 10.
  const FitWorkspace steep = Equation(EquationSet::Y, {{kTermExp, 1, 0}}, {1.0, 0.0});
  const Surface rising = BuildSurface(steep, SheetWithRanges({{1, {0.0, 10.0}}}), Curve(1), {10, 10, 10}).value();
  EXPECT_GE(rising.ranges.valueMax, std::exp(10.0));

  const Surface typed = BuildSurface(pole, sheet, Curve(1), {10, 10, 10}, {false, -2.5, 4.0}).value();
  EXPECT_EQ(typed.ranges.valueMin, -2.5);
  EXPECT_EQ(typed.ranges.valueMax, 4.0);
  EXPECT_EQ(typed.ticks.value.step, 1.0);
}

TEST(ParseYRange, BothEmptyIsAutomaticElseTwoNumbersInOrder) {
  EXPECT_TRUE(ParseYRange("", " ")->automatic);
  EXPECT_EQ(*ParseYRange(" -2.5", "1e3 "), (YRange{false, -2.5, 1000.0}));
  const struct {
    const char* min;
    const char* max;
    const char* message;
  } refused[] = {
      {"1", "", "Type the Y range's minimum and maximum,\nor neither for an automatic range."},
      {"abc", "2", "'abc' is not a number:\ntype the Y range as numbers."},
      {"1", "inf", "'inf' is not a number:\ntype the Y range as numbers."},
      {"3", "3", "The Y range's minimum must be\nless than its maximum."},
  };
  for (const auto& r : refused) {
    const Outcome<YRange> parsed = ParseYRange(r.min, r.max);
    ASSERT_FALSE(parsed) << r.min << " " << r.max;
    EXPECT_EQ(parsed.message().text, r.message);
    EXPECT_EQ(parsed.message().kind, MessageKind::Error);
  }
}

TEST(BuildSurface, PointsWithoutAValueStayOutOfTheRange) {
  const FitWorkspace exp = Equation(EquationSet::Y, {{kTermExp, 1, 0}}, {1.0, 0.0});
  const Outcome<Surface> built = BuildSurface(exp, SheetWithRanges({{1, {0.0, 1000.0}}}), Curve(1), {10, 10, 10});
  ASSERT_TRUE(built) << built.message().text;
  const Surface& s = built.value();
  EXPECT_TRUE(s.grid[14][0].hasValue());   // x = 700
  EXPECT_FALSE(s.grid[15][0].hasValue());  // x = 750
  EXPECT_EQ(s.ranges.shadeMax, std::exp(s.grid[14][0].x));
  EXPECT_TRUE(std::isfinite(s.ranges.valueMax));
}

TEST(BuildSurface, PointsWhereATermLeavesItsDomainOrTheBackTransformHasNoValueAreGaps) {
  // The bundled example's law, ln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d,
  // over X2 from 0: ln(0) has no value, so neither has the row at X2 = 0,
  // and the value range is that of the other rows.
  const FitWorkspace law =
      Equation(EquationSet::Log, {{kTermLn, 1, 0}, {kTermLn, 2, 0}, {kTermLn, 3, 0}}, {1.0, -1.0, 1.0, 2.0});
  DataSheet sheet = SheetWithRanges({{1, {250.0, 350.0}}, {2, {0.0, 20.0}}, {3, {1.0, 2.0}}});
  const Surface s = BuildSurface(law, sheet, SurfaceOver(1, 2), {10, 10, 10}).value();
  double highest = 0.0;
  for (int row = 0; row < kGridPoints; ++row)
    for (const SurfacePoint& p : s.grid[static_cast<size_t>(row)]) {
      EXPECT_EQ(p.hasValue(), row > 0) << "row " << row;
      if (p.hasValue()) highest = std::max(highest, p.value);
    }
  EXPECT_EQ(s.ranges.shadeMax, highest);

  struct Case {
    FitWorkspace equation;
    double low, high;
    int gaps;  // the first points of the curve without a value
  };
  const Case cases[] = {
      {Equation(EquationSet::Y, {{kTermInvSqrt, 1, 0}}, {2.0, 1.0}), -10.0, 10.0, 11},  // a/sqr(X1): none up to 0
      {Equation(EquationSet::Y, {{kTermSqrt, 1, 0}}, {2.0, 1.0}), -10.0, 10.0, 10},     // sqr(0) is 0
      {Equation(EquationSet::Y, {{kTermInvX, 1, 0}}, {2.0, 1.0}), 0.0, 1.0, 1},         // 1/0
      {Equation(EquationSet::Square, {{kTermX, 1, 0}}, {1.0, 0.0}), -10.0, 10.0, 10},   // Y^2 = X1: no Y below 0
      {Equation(EquationSet::Reciprocal, {{kTermX, 1, 0}}, {1.0, 0.0}), 0.0, 1.0, 1},   // 1/Y = X1: no Y at 0
      {Equation(EquationSet::Exp, {{kTermX, 1, 0}}, {1.0, 0.0}), -1.0, 1.0, 11},        // exp(Y) = X1 ≤ 0
  };
  for (const Case& c : cases) {
    const Surface curve =
        BuildSurface(c.equation, SheetWithRanges({{1, {c.low, c.high}}}), Curve(1), {10, 10, 10}).value();
    for (int k = 0; k < kGridPoints; ++k)
      EXPECT_EQ(curve.grid[static_cast<size_t>(k)][0].hasValue(), k >= c.gaps) << c.equation.text << " point " << k;
  }
}

TEST(BuildSurface, ARationalFormTakesItsOwnValue) {
  // Y = (a X1^2 + c) / (1 - b X2)
  const double a = 1.3, b = 0.07, c = -2.1;
  const FitWorkspace ws =
      Equation(EquationSet::Y, {{kRationalSquare, 1, 2}, {kRationalDenominator, 2, 0}}, {a, b, c}, true);
  const Surface s =
      BuildSurface(ws, SheetWithRanges({{1, {0.0, 3.0}}, {2, {0.0, 5.0}}}), SurfaceOver(1, 2), {10, 10, 10}).value();
  for (const auto& row : s.grid)
    for (const SurfacePoint& p : row) {
      double t = a * (p.x * p.x);
      t = t + c;
      double d = b * p.z;
      d = 1.0 - d;
      EXPECT_EQ(p.value, t / d);
    }
}

TEST(DataPointMarkers, StandOnTheSliceAndOnlyStrictlyInsideTheValueRange) {
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}}, {1.0, 2.0});  // Y = X1 + 2, values 2 to 12
  DataSheet sheet = SheetWithRanges({{1, {0.0, 10.0}}});
  const double rows[][2] = {{3.3, 1.0}, {12.0, 4.0}, {2.0, 5.0}, {12.5, 3.0}, {2.5, EmptyValue}};
  for (int r = 0; r < 5; ++r) {
    sheet.cell(r, 0) = rows[r][0];
    sheet.cell(r, 1) = rows[r][1];
  }
  sheet.cell(6, 0) = 4.0;  // after the first empty Y: not a data point
  sheet.cell(6, 1) = 1.0;
  const Surface surface = BuildSurface(ws, sheet, Curve(1), {10, 10, 10}).value();
  ASSERT_EQ(surface.ranges.valueMax, 12.0);
  ASSERT_EQ(surface.ranges.valueMin, 2.0);

  // Y = 12 is exactly the maximum and 2 exactly the minimum: no marker.
  const auto markers = DataPointMarkers(surface, ws, sheet);
  ASSERT_EQ(markers.size(), 1u);
  EXPECT_EQ(markers[0].x, 1.0);
  EXPECT_EQ(markers[0].height, 3.3);  // the observed Y itself
  EXPECT_EQ(markers[0].surfaceValue, 3.0);
  EXPECT_EQ(markers[0].z, 0.0);

  // With X2 held at its constant 10, the point (X1 2, X2 3, Y 6.5) lies 1.5
  // above its own equation value and is shown 1.5 above the slice.
  const FitWorkspace two = Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {1.0, 1.0, 0.0});
  DataSheet slice = SheetWithRanges({{1, {0.0, 10.0}}, {2, {0.0, 20.0}}});
  slice.cell(0, 0) = 6.5;
  slice.cell(0, 1) = 2.0;
  slice.cell(0, 2) = 3.0;
  const Surface over = BuildSurface(two, slice, Curve(1), {10, 10, 10}).value();
  const auto shifted = DataPointMarkers(over, two, slice);
  ASSERT_EQ(shifted.size(), 1u);
  EXPECT_EQ(shifted[0].surfaceValue, 12.0);
  EXPECT_EQ(shifted[0].height, 13.5);
}

TEST(AxisTicks, StandAtRoundNumbersWithinTheRangesAndTitlesAreUpperCase) {
  const FitWorkspace ws = Equation(EquationSet::Y, {{kTermX, 1, 0}, {kTermX, 2, 0}}, {10.0, 1.0, 0.0});
  DataSheet sheet = SheetWithRanges({{1, {-1.0, 1.0}}, {2, {0.0, 0.5}}});
  sheet.names[0] = "Press";
  sheet.names[1] = "temp";
  sheet.names[2] = "Vol";
  const Surface s = BuildSurface(ws, sheet, SurfaceOver(1, 2), {10, 4, 5}).value();
  const auto coarse = [](const AxisTicks& ticks) {
    std::vector<double> values;
    for (const long long multiple : ticks.multiples)
      if (ticks.onStep(multiple)) values.push_back(ticks.value(multiple));
    return AxisLabelTexts(values, ticks.step);
  };
  // Four segments of -10 … 20 would be 7.5 apart: the round step is 10.
  EXPECT_EQ(coarse(s.ticks.value), (std::vector<std::string>{"-10", "0", "10", "20"}));
  // Each tick is computed from its multiple: 0 is 0, 0.2 is the double nearest 0.2.
  EXPECT_EQ(coarse(s.ticks.x),
            (std::vector<std::string>{"-1.0", "-0.8", "-0.6", "-0.4", "-0.2", "0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
  EXPECT_EQ(s.ticks.x.value(20), 0.2);
  EXPECT_EQ(s.ticks.x.fine, 0.01);
  EXPECT_EQ(s.ticks.x.perStep, 20);
  EXPECT_EQ(coarse(s.ticks.z), (std::vector<std::string>{"0", "0.1", "0.2", "0.3", "0.4", "0.5"}));

  EXPECT_EQ(AxisTitle(sheet, s.selection, GraphAxis::Y), "PRESS");
  EXPECT_EQ(AxisTitle(sheet, s.selection, GraphAxis::X), "TEMP");
  EXPECT_EQ(AxisTitle(sheet, s.selection, GraphAxis::Z), "VOL");
  EXPECT_EQ(AxisTitle(sheet, Curve(1), GraphAxis::Z), "");
}

TEST(AxisLabelTexts, KeepTheMagnitudeWithTheStepsDigitsFixedOrScientific) {
  struct Case {
    double first, step;
    int count;
    std::vector<std::string> expected;  // the first labels
  };
  const Case cases[] = {
      {0.0, 0.25, 3, {"0", "0.25", "0.50"}},
      {7400000.0, -740000.0, 3, {"7400000", "6660000", "5920000"}},  // 7 characters: fixed
      {1.0e12, 1.0e11, 3, {"1.0E+12", "1.1E+12", "1.2E+12"}},        // 13 would not fit
      {1.0e-25, 1.0e-26, 3, {"1.0E-25", "1.1E-25", "1.2E-25"}},      // fixed shows no digit
      {1.2e26, -1.2e25, 2, {"1.20E+26", "1.08E+26"}},                // values to about e^60
      {-73400000.0, 7340000.0, 2, {"-7.340E+07", "-6.606E+07"}},     // 9 characters with the sign
      {0.0, 100.0 / 3, 4, {"0", "33", "67", "100"}},                 // a step of no exact digits
  };
  for (const Case& c : cases) {
    std::vector<double> values;
    values.reserve(static_cast<size_t>(c.count));
    for (int i = 0; i < c.count; ++i) values.push_back(c.first + i * c.step);
    const std::vector<std::string> texts = AxisLabelTexts(values, c.step);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + static_cast<long>(c.expected.size())), c.expected)
        << c.first << " by " << c.step;
  }
}

}  // namespace
}  // namespace rv
