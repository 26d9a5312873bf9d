#include <gtest/gtest.h>

#include <cmath>

#include "regress/candidate.h"
#include "regress/fit_workspace.h"
#include "regress/y_form.h"
#include "test_sheets.h"

namespace rv {
namespace {

Candidate Make(EquationSet set, std::initializer_list<Term> terms, bool rational = false) {
  Candidate candidate;
  candidate.set = set;
  candidate.rational = rational;
  for (const Term& term : terms) candidate.add(term);
  return candidate;
}

TEST(YForm, HeadsGuardsAndBackTransforms) {
  const char* heads[] = {"Y =", "1/Y =", "Y^2 =", "Y^3 =", "ln(Y) =", "exp(Y) ="};
  for (size_t i = 0; i < kEquationSets.size(); ++i) EXPECT_STREQ(YFormHead(kEquationSets[i]), heads[i]);
  // The guards are the transforms' own ranges, whatever the scale: a
  // reciprocal of any nonzero Y, a logarithm of any positive one, and a
  // finite result.
  const struct {
    EquationSet set;
    double y;
    bool inRange;
  } guards[] = {
      {EquationSet::Y, -4.0, true},         {EquationSet::Reciprocal, 1e-21, true},
      {EquationSet::Reciprocal, 0.0, false}, {EquationSet::Reciprocal, 1e-310, false},
      {EquationSet::Square, 0.0, true},      {EquationSet::Square, 1e200, false},
      {EquationSet::Cube, -1e-300, false},   {EquationSet::Log, 4e-21, true},
      {EquationSet::Log, 0.0, false},        {EquationSet::Exp, 0.0, false},
      {EquationSet::Exp, 2.0, true},         {EquationSet::Exp, 709.0, true},
      {EquationSet::Exp, 710.0, false},
  };
  for (const auto& guard : guards) {
    double t = 0;
    EXPECT_EQ(TransformY(guard.set, guard.y, t), guard.inRange) << EquationSetNumber(guard.set) << " " << guard.y;
  }
  double t = 0;
  EXPECT_TRUE(TransformY(EquationSet::Exp, 2.0, t));
  EXPECT_EQ(t, std::exp(2.0));

  EXPECT_EQ(BackTransform(EquationSet::Reciprocal, 4.0), 0.25);
  EXPECT_EQ(BackTransform(EquationSet::Reciprocal, 2.5e-21), 1.0 / 2.5e-21);
  EXPECT_EQ(BackTransform(EquationSet::Reciprocal, 0.0), 0.0);
  EXPECT_EQ(BackTransform(EquationSet::Square, -9.0), -9.0);
  EXPECT_EQ(BackTransform(EquationSet::Exp, -3.0), -3.0);
  const double cube = BackTransform(EquationSet::Cube, 8.0);
  EXPECT_LT(cube, 2.0);
  EXPECT_NEAR(cube, 2.0, 1e-11);
  EXPECT_EQ(cube, std::pow(8.0, 0.333333333333));
}

TEST(TermText, EveryKindWritesItsFormatWithTheNextLetter) {
  const char* expected[] = {" bX3 +",    " bX3^2 +",     " bX3^3 +",     " bX3^4 +",     " b/X3 +",     " b/X3^2 +",
                            " b/X3^3 +", " b/X3^4 +",    " b sqr(X3) +", " b/sqr(X3) +", " b ln(X3) +", " b/ln(X3) +",
                            " b e^X3 +", " b/exp(X3) +", " b X3 X5 +",   " b X3/X5 +"};
  for (int kind = 1; kind <= 16; ++kind) {
    std::string text;
    char letter = 'b';
    AppendTermText(text, {static_cast<std::uint8_t>(kind), 3, 5}, letter);
    EXPECT_EQ(text, expected[kind - 1]) << "kind " << kind;
    EXPECT_EQ(letter, 'c');
  }
}

TEST(EquationText, ReadsAsDocumented) {
  EXPECT_EQ(EquationText(Make(EquationSet::Y, {{kTermX, 1, 0}})), "Y = aX1 + b");
  EXPECT_EQ(EquationText(Make(EquationSet::Log, {{kTermLn, 2, 4}, {kTermProduct, 2, 4}})),
            "ln(Y) = a ln(X2) + b X2 X4 + c");
  EXPECT_EQ(EquationText(Make(EquationSet::Y, {{kRationalLinear, 1, 3}, {kRationalDenominator, 3, 0}}, true)),
            "Y = (aX1 + c) / (1 - bX3)   ");
  Candidate longest;
  for (int j = 0; j < 19; ++j) longest.add({kTermX, 1, 0});
  const std::string text = EquationText(longest);
  EXPECT_EQ(text.substr(text.size() - 2), " t");  // the twentieth coefficient letter
}

TEST(TermGuards, AZeroVariableDropsTheKindsThatDivideOrTakeLogarithms) {
  SearchData data = testing::SmoothLawSheet(6);
  data.values[3][1] = 0.0;
  FitWorkspace ws;
  for (int kind = 1; kind <= 14; ++kind) {
    BuildCandidate(ws, data, Make(EquationSet::Y, {{static_cast<std::uint8_t>(kind), 1, 0}}));
    const bool survives = kind <= 4 || kind == 9 || kind == 13 || kind == 14;
    EXPECT_EQ(ws.domainFault, !survives) << "kind " << kind;
  }
  BuildCandidate(ws, data, Make(EquationSet::Y, {{kTermRatio, 2, 1}}));
  EXPECT_TRUE(ws.domainFault);
  BuildCandidate(ws, data, Make(EquationSet::Y, {{kTermProduct, 2, 1}}));
  EXPECT_FALSE(ws.domainFault);
  BuildCandidate(ws, data, Make(EquationSet::Y, {{kTermProduct, 2, 0}}));
  EXPECT_TRUE(ws.domainFault);
}

TEST(TermGuards, YGuardsDropWholeSets) {
  SearchData data = testing::SmoothLawSheet(6);
  FitWorkspace ws;
  data.values[2][0] = -1.0;
  for (EquationSet set : kEquationSets) {
    BuildCandidate(ws, data, Make(set, {{kTermX, 1, 0}}));
    EXPECT_EQ(ws.domainFault, set != EquationSet::Y && set != EquationSet::Reciprocal)
        << "set " << EquationSetNumber(set);
  }
  data.values[2][0] = 0.0;
  for (EquationSet set : kEquationSets) {
    BuildCandidate(ws, data, Make(set, {{kTermX, 1, 0}}));
    EXPECT_EQ(ws.domainFault, set == EquationSet::Reciprocal || set == EquationSet::Log || set == EquationSet::Exp)
        << "set " << EquationSetNumber(set);
  }
}

// A term stands where its kind has a value: no reciprocal of 0, no
// logarithm of a value not above 0, and no result that is not finite (1/ln 1,
// a power or exponential that overflows); tiny values are values.
TEST(TermColumns, StandWhereTheirKindHasAFiniteValue) {
  const struct {
    int kind;
    double x, x2;
    bool stands;
  } cases[] = {
      {kTermInvLn, 1.0, 0.0, false},    {kTermInvLn, 2.0, 0.0, true},       {kTermInvSqrt, 1e-20, 0.0, true},
      {kTermInvX, 4e-21, 0.0, true},    {kTermInvX, 0.0, 0.0, false},       {kTermInvX, 1e-310, 0.0, false},
      {kTermInvX4, 1e-80, 0.0, false},  {kTermLn, 4e-21, 0.0, true},        {kTermLn, std::nan(""), 0.0, false},
      {kTermLn, 0.0, 0.0, false},       {kTermExp, 710.0, 0.0, false},      {kTermInvExp, -746.0, 0.0, false},
      {kTermInvExp, 0.0, 0.0, true},    {kTermX4, 1e80, 0.0, false},        {kTermRatio, 3.0, 1e-21, true},
      {kTermRatio, 3.0, 0.0, false},    {kTermProduct, 1e200, 1e200, false}, {kTermSqrt, -1e-300, 0.0, false},
  };
  for (const auto& c : cases) {
    double value = 0;
    EXPECT_EQ(TermColumnValue(c.kind, c.x, c.x2, 0.0, value), c.stands) << "kind " << c.kind << " at " << c.x;
  }
  double value = 0;
  EXPECT_TRUE(TermColumnValue(kRationalDenominator, 2.0, 0.0, 3.0, value));
  EXPECT_EQ(value, 6.0);
}

TEST(TermFunction, ReturnsTheArgumentOutsideItsGuard) {
  EXPECT_EQ(TermFunction(kTermRatio, 5.0, 0.0), 5.0);
  EXPECT_EQ(TermFunction(kTermRatio, 5.0, 2.0), 2.5);
  EXPECT_EQ(TermFunction(kTermInvLn, -2.0, 0.0), -2.0);
  EXPECT_EQ(TermFunction(kTermX4, 2.0, 0.0), 16.0);
  EXPECT_EQ(TermFunction(kTermInvExp, 0.0, 0.0), 1.0);
  EXPECT_EQ(TermFunction(kTermInvX, 4e-21, 0.0), 1.0 / 4e-21);
}

TEST(EvaluateEquation, TakesARationalEquationAsAWhole) {
  const SearchData data = testing::SmoothLawSheet(10);
  FitWorkspace ws;
  BuildCandidate(ws, data, Make(EquationSet::Log, {{kRationalSquare, 1, 2}, {kRationalDenominator, 2, 0}}, true));
  ASSERT_TRUE(FitCandidate(ws, 1));
  // At the data points, the very values the score used.
  for (int i = 0; i < data.pointCount; ++i)
    EXPECT_EQ(EvaluateEquation(ws, data.values[i].data()), std::exp(FittedValue(ws, i))) << "point " << i;
  double variables[17] = {};
  variables[1] = 1.7;
  variables[2] = 0.3;
  // Coefficients a or b of zero leave the equation defined, though its
  // pieces, divided by them, are not.
  ws.coefficients[0] = 0.0;
  ws.coefficients[1] = 0.0;
  EXPECT_EQ(EvaluateEquation(ws, variables), std::exp(ws.coefficients[2]));
  ws.coefficients[1] = 0.5;
  EXPECT_EQ(EvaluateEquation(ws, variables), std::exp(ws.coefficients[2] / (1.0 - 0.5 * 0.3)));
}

TEST(EvaluateEquation, MatchesTheFittedValuesAtTheDataPoints) {
  const SearchData data = testing::SmoothLawSheet(10);
  FitWorkspace ws;
  BuildCandidate(ws, data, Make(EquationSet::Log, {{kTermX, 1, 0}, {kTermSqrt, 2, 0}, {kTermRatio, 2, 3}}));
  ASSERT_TRUE(FitCandidate(ws, 1));
  for (int i = 0; i < data.pointCount; ++i) {
    double fitted = 0.0;
    for (int j = 0; j <= ws.constantColumn; ++j) fitted += ws.design[i][j] * ws.coefficients[j];
    double variables[17] = {};
    for (int v = 1; v <= 16; ++v) variables[v] = data.values[i][v];
    EXPECT_NEAR(EvaluateEquation(ws, variables), std::exp(fitted), 1e-12 * std::exp(fitted));
  }
}

}  // namespace
}  // namespace rv
