#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fitted_equation.h"
#include "stats/coefficient_literal.h"
#include "stats/equation_body.h"
#include "stats/function_file.h"
#include "stats/function_text.h"
#include "stats/parameter_names.h"
#include "stats/split_long_line.h"

namespace rv::testing {
namespace {

TEST(SplitLongLine, SplitsFromFortyEightCharactersAtTheFirstPlusFromTheMiddle) {
  const std::string below = std::string(30, 'x') + " + " + std::string(14, 'y');
  ASSERT_EQ(below.size(), 47u);
  EXPECT_EQ(SplitLongLine(below, "|"), below);

  const std::string atMiddle = std::string(23, 'x') + " + " + std::string(22, 'z');
  ASSERT_EQ(atMiddle.size(), 48u);
  EXPECT_EQ(SplitLongLine(atMiddle, "|"), std::string(23, 'x') + "|+ " + std::string(22, 'z'));

  const std::string beforeMiddle = std::string(20, 'x') + " + " + std::string(5, 'y') + " + " + std::string(17, 'z');
  ASSERT_EQ(beforeMiddle.size(), 48u);
  EXPECT_EQ(SplitLongLine(beforeMiddle, "|"),
            std::string(20, 'x') + " + " + std::string(5, 'y') + "|+ " + std::string(17, 'z'));

  const std::string noPlusLate = std::string(10, 'x') + " + " + std::string(40, 'y');
  EXPECT_EQ(SplitLongLine(noPlusLate, "|"), noPlusLate);
}

TEST(ParameterNames, ListEveryVariableOnceInOrderOfAppearance) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(ParameterNames("Y = aX1 + bX1^2 + c"), (Names{"X1"}));
  EXPECT_EQ(ParameterNames("Y = aX1 + bX2 + cX1^2 + d"), (Names{"X1", "X2"}));
  EXPECT_EQ(ParameterNames("Y = a X1 X3 + b X2/X1 + c"), (Names{"X1", "X3", "X2"}));
  EXPECT_EQ(ParameterNames("ln(Y) = a e^X12 + b/sqr(X3) + c"), (Names{"X12", "X3"}));
  EXPECT_EQ(ParameterNames("Y = (aX2^2 + c) / (1 - bX5)   "), (Names{"X2", "X5"}));
  EXPECT_EQ(ParameterNames("Y = (aX4 + c) / (1 - bX4)   "), (Names{"X4"}));
}

TEST(CoefficientLiteral, KeepsTwelveSignificantDigits) {
  EXPECT_EQ(CoefficientLiteral(-0.5, 'E'), "-0.500000000000");
  EXPECT_EQ(CoefficientLiteral(-0.0123456789012345, 'E'), "-1.234567890123E-02");
  EXPECT_EQ(CoefficientLiteral(2.5e-120, 'D'), "2.500000000000D-120");
}

TEST(EquationBody, RendersEveryYFormAndTermKind) {
  struct Case {
    Candidate candidate;
    const char *basic, *c, *fortran;
  };
  const Case cases[] = {
      {MakeCandidate(EquationSet::Log, {{kTermX, 1, 0}, {kTermLn, 2, 0}}), "    Func = Exp (a * X1 + b * Ln (X2) + c)",
       "    Y = exp (a * X1 + b * log (X2) + c);", "      FUNC = DEXP (A * X1 + B * DLOG (X2) + C)"},
      {MakeCandidate(EquationSet::Exp, {{kTermX, 1, 0}}), "    Func = Log (a * X1 + b)", "    Y = log (a * X1 + b);",
       "      FUNC = DLOG (A * X1 + B)"},
      {MakeCandidate(EquationSet::Cube, {{kTermProduct, 1, 2}, {kTermRatio, 3, 1}}),
       "    Func = (a * X1 * X2 + b * X3 / X1 + c)^0.333333333333",
       "    Y = pow (a * X1 * X2 + b * X3 / X1 + c, 0.333333333333);",
       "      FUNC = (A * X1 * X2 + B * X3 / X1 + C) ** 0.333333333333D0"},
      {MakeCandidate(EquationSet::Square, {{kTermX2, 1, 0}, {kTermSqrt, 2, 0}}),
       "    Func = (a * X1 * X1 + b * X2 ^ 0.5 + c)^0.5", "    Y = sqrt (a * X1 * X1 + b * sqrt (X2) + c);",
       "      FUNC = DSQRT (A * X1 * X1 + B * DSQRT (X2) + C)"},
      {MakeCandidate(EquationSet::Reciprocal, {{kTermInvX3, 2, 0}, {kTermInvExp, 1, 0}}),
       "    Func = 1# / (a / (X2 * X2 * X2) + b / Exp (X1) + c)",
       "    Y = 1.0 / (a / (X2 * X2 * X2) + b / exp (X1) + c);",
       "      FUNC = 1.0 / (A / (X2 * X2 * X2) + B / DEXP (X1) + C)"},
      {MakeCandidate(EquationSet::Y, {{kRationalLinear, 1, 3}, {kRationalDenominator, 3, 0}}, true),
       "    Func = ((a * X1 + c) / (1 - b * X3))", "    Y = ((a * X1 + c) / (1.0 - b * X3));",
       "      FUNC = ((A * X1 + C) / (1.0 - B * X3))"},
      {MakeCandidate(EquationSet::Exp, {{kRationalSquare, 2, 2}, {kRationalDenominator, 2, 0}}, true),
       "    Func = Log ((a * X2 * X2 + c) / (1 - b * X2))", "    Y = log ((a * X2 * X2 + c) / (1.0 - b * X2));",
       "      FUNC = DLOG ((A * X2 * X2 + C) / (1.0 - B * X2))"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildEquationBody(c.candidate, CodeDialect::Basic), c.basic);
    EXPECT_EQ(BuildEquationBody(c.candidate, CodeDialect::C), c.c);
    EXPECT_EQ(BuildEquationBody(c.candidate, CodeDialect::Fortran), c.fortran);
  }
}

// Y = aX1 + b with a coefficient that fixed notation would write as zero.
FitWorkspace StraightLine() {
  return EquationWithCoefficients(MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}), {150.0, -2.5e-13});
}

TEST(FunctionText, WritesTheWholeFunctionInEachLanguage) {
  const FitWorkspace ws = StraightLine();
  EXPECT_EQ(GenerateFunctionText(ws, FunctionLanguage::Basic),
            "' Regrovantis Function (Func)\r\n' Y = aX1 + b\r\n\r\nFunction Func(X1)\r\n\r\n"
            "    Const a = 150.000000000000\r\n    Const b = -2.500000000000E-13\r\n\r\n"
            "    Func = (a * X1 + b)\r\n\r\nEnd Function\r\n");
  const std::string c =
      "/*  Regrovantis Procedure (Func)  */\r\n/*  Y = aX1 + b  */\r\n\r\ndouble Func (double X1) { \r\n\r\n"
      "    double  a = 150.000000000000;\r\n    double  b = -2.500000000000E-13;\r\n    double  Y;\r\n\r\n"
      "    Y = (a * X1 + b);\r\n\r\n    return Y;}\r\n\r\n";
  EXPECT_EQ(GenerateFunctionText(ws, FunctionLanguage::C), c);
  EXPECT_EQ(GenerateFunctionText(ws, FunctionLanguage::Cpp), c);
  EXPECT_EQ(GenerateFunctionText(ws, FunctionLanguage::Fortran),
            "C     REGROVANTIS FUNCTION (FUNC)\r\nC     Y = AX1 + B\r\n\r\n      FUNCTION FUNC (X1)\r\n\r\n"
            "      REAL*8  FUNC, X1\r\n      REAL*8  A, B\r\n\r\n"
            "      DATA  A  / +1.500000000000D+02 /\r\n      DATA  B  / -2.500000000000D-13 /\r\n\r\n"
            "      FUNC = (A * X1 + B)\r\n\r\n      RETURN\r\n      END\r\n\r\n");
}

TEST(FunctionText, BreaksTheCParameterLineBeforeEveryFifthParameter) {
  std::vector<Term> terms;
  Candidate candidate = MakeCandidate(EquationSet::Y, {});
  for (std::uint8_t v = 1; v <= 10; ++v) candidate.add({kTermX, v, 0});
  FitWorkspace ws = EquationWithCoefficients(candidate, {});
  const std::string text = GenerateFunctionText(ws, FunctionLanguage::C);
  EXPECT_NE(text.find("double Func (double X1, double X2, double X3, double X4, \r\n"
                      "             double X5, double X6, double X7, double X8, double X9, \r\n"
                      "             double X10) { \r\n"),
            std::string::npos)
      << text;
  const std::vector<std::string> lines = FunctionListingLines(ws, FunctionLanguage::C);
  EXPECT_EQ(lines[4],
            "double Func (double X1, double X2, double X3, double X4, double X5, double X6, double X7, double X8, "
            "double X9, double X10)");
}

FitWorkspace FourTerms() {
  return EquationWithCoefficients(
      MakeCandidate(EquationSet::Log, {{kTermX, 1, 0}, {kTermLn, 2, 0}, {kTermExp, 3, 0}, {kTermProduct, 1, 4}}),
      {0.25, -1.5, 2e-14, 0.0625, 3});
}

TEST(FunctionText, SplitsLongCommentsAndBodiesOnce) {
  const FitWorkspace ws = FourTerms();
  EXPECT_NE(GenerateFunctionText(ws, FunctionLanguage::Basic)
                .find("    Func = Exp (a * X1 + b * Ln (X2) _\r\n         + c * Exp (X3) + d * X1 * X4 + e)\r\n"),
            std::string::npos);
  EXPECT_NE(GenerateFunctionText(ws, FunctionLanguage::C)
                .find("    Y = exp (a * X1 + b * log (X2)\r\n      + c * exp (X3) + d * X1 * X4 + e);\r\n"),
            std::string::npos);
  // The FORTRAN comment of a 47-character text stays whole; one of 48 splits,
  // its second part under "C" and eleven blanks.
  const auto fortranOf = [](std::uint8_t variable) {
    const FitWorkspace w = EquationWithCoefficients(
        MakeCandidate(EquationSet::Log,
                      {{kTermX, 1, 0}, {kTermLn, 2, 0}, {kTermExp, 13, 0}, {kTermProduct, 10, variable}}),
        {1, 2, 3, 4, 5});
    return std::make_pair(w.text.size(), GenerateFunctionText(w, FunctionLanguage::Fortran));
  };
  const auto [shortLength, shortText] = fortranOf(4);
  ASSERT_EQ(shortLength, 47u);
  EXPECT_NE(shortText.find("C     LN(Y) = AX1 + B LN(X2) + C E^X13 + D X10 X4 + E\r\n\r\n"), std::string::npos);
  const auto [longLength, longText] = fortranOf(14);
  ASSERT_EQ(longLength, 48u);
  EXPECT_NE(longText.find("C     LN(Y) = AX1 + B LN(X2) + C E^X13\r\nC           + D X10 X14 + E\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(longText.find("FUNCTION FUNC (X1, X2, X13, X10, X14)"), std::string::npos);
}

TEST(FunctionListing, PrintsTheLinesOfEachLanguage) {
  const FitWorkspace ws = FourTerms();
  using Lines = std::vector<std::string>;
  const Lines basic = FunctionListingLines(ws, FunctionLanguage::Basic);
  EXPECT_EQ(basic[0], "' Regrovantis Function (Func)'");
  EXPECT_EQ(Lines(basic.end() - 4, basic.end()),
            (Lines{"    Func = Exp (a * X1 + b * Ln (X2)", "         + c * Exp (X3) + d * X1 * X4 + e)", "",
                   "End Function"}));
  const Lines c = FunctionListingLines(ws, FunctionLanguage::C);
  EXPECT_EQ(
      Lines(c.begin(), c.begin() + 7),
      (Lines{"/*  Regrovantis Procedure (Func)  */", "/*  ln(Y) = aX1 + b ln(X2)  */", "/*  + c e^X3 + d X1 X4 + e  */",
             "", "double Func (double X1, double X2, double X3, double X4)", "", "    double  a = 0.250000000000;"}));
  EXPECT_EQ(c.back(), "    return Y;}");
  const Lines fortran = FunctionListingLines(ws, FunctionLanguage::Fortran);
  EXPECT_EQ(Lines(fortran.begin() + 1, fortran.begin() + 3),
            (Lines{"C     LN(Y) = AX1 + B LN(X2)", "C     + C E^X3 + D X1 X4 + E"}));
  EXPECT_EQ(Lines(fortran.begin() + 9, fortran.begin() + 12),
            (Lines{"      DATA  A  / 0.250000000000 /", "      DATA  B  / -1.500000000000 /",
                   "      DATA  C  / 2.000000000000D-14 /"}));
  EXPECT_EQ(Lines(fortran.end() - 3, fortran.end()), (Lines{"", "      RETURN", "      END"}));
}

class FunctionFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/rv-function-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
  }
  void TearDown() override {
    std::remove((folder + "/fit.cpp").c_str());
    rmdir(folder.c_str());
  }
  std::string folder;
};

TEST_F(FunctionFile, IsNamedByTheLanguageAndWrittenExactly) {
  EXPECT_EQ(FunctionFilePath(folder, "fit.txt", FunctionLanguage::Cpp), folder + "/fit.cpp");
  EXPECT_EQ(FunctionFilePath(folder + "/", "fit", FunctionLanguage::Cpp), folder + "/fit.cpp");
  EXPECT_EQ(FunctionFileName("my.fit.bas", FunctionLanguage::Fortran), "my.fit.for");
  const std::string path = FunctionFilePath(folder, "fit", FunctionLanguage::Cpp);
  EXPECT_FALSE(FunctionFileExists(path));
  const std::string text = GenerateFunctionText(FourTerms(), FunctionLanguage::Cpp);
  EXPECT_TRUE(WriteFunctionFile(path, text));
  EXPECT_TRUE(FunctionFileExists(path));
  std::ifstream in(path, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, text);
  EXPECT_EQ(ReplaceFileQuestion(path),
            "The file '" + path + "' already exists.\nDo you want to replace the existing file?");
}

TEST_F(FunctionFile, ReportsAFileThatCannotBeWritten) {
  const std::string path = folder + "/missing/fit.c";
  const Outcome<void> outcome = WriteFunctionFile(path, "text");
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message().kind, MessageKind::Error);
  EXPECT_NE(outcome.message().text.find("'" + path + "'"), std::string::npos) << outcome.message().text;
  if (access("/dev/full", W_OK) == 0) {
    const Outcome<void> full = WriteFunctionFile("/dev/full", std::string(1 << 16, 'x'));
    ASSERT_FALSE(full);
    EXPECT_NE(full.message().text.find("/dev/full"), std::string::npos);
  }
}

}  // namespace
}  // namespace rv::testing
