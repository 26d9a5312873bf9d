#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fitted_equation.h"
#include "regress/y_uncertainty.h"
#include "stats/band_function_text.h"
#include "stats/coefficient_literal.h"
#include "stats/confidence_band.h"
#include "stats/function_text.h"
#include "stats/parameter_names.h"
#include "stats/statistics_pass.h"

// The generated functions are compiled by the real compilers and run; their
// values must agree with the program's own evaluation of each equation.

namespace rv::testing {
namespace {

constexpr int kPoints = 40;
constexpr int kVariables = 6;
constexpr int kSamples = 3;

std::vector<Candidate> EquationsOfEveryFormAndKind() {
  return {
      MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}, {kTermX2, 2, 0}, {kTermProduct, 1, 3}, {kTermInvX, 3, 0}}),
      MakeCandidate(EquationSet::Reciprocal, {{kTermX3, 1, 0}, {kTermInvX2, 2, 0}, {kTermRatio, 2, 3}}),
      MakeCandidate(EquationSet::Square, {{kTermX4, 1, 0}, {kTermInvX3, 2, 0}, {kTermSqrt, 3, 0}}),
      MakeCandidate(EquationSet::Cube, {{kTermInvX4, 1, 0}, {kTermInvSqrt, 2, 0}, {kTermLn, 3, 0}}),
      MakeCandidate(EquationSet::Log, {{kTermInvLn, 1, 0}, {kTermExp, 2, 0}, {kTermInvExp, 3, 0}}),
      MakeCandidate(EquationSet::Exp, {{kTermX, 2, 0}, {kTermLn, 1, 0}}),
      MakeCandidate(EquationSet::Y, {{kRationalLinear, 1, 2}, {kRationalDenominator, 2, 0}}, true),
      MakeCandidate(EquationSet::Log, {{kRationalSquare, 3, 1}, {kRationalDenominator, 1, 0}}, true),
      MakeCandidate(EquationSet::Exp, {{kRationalLinear, 2, 2}, {kRationalDenominator, 2, 0}}, true),
      // Long enough for continuation lines and a broken C parameter line.
      MakeCandidate(EquationSet::Log, {{kTermX, 1, 0},
                                       {kTermLn, 2, 0},
                                       {kTermInvX2, 3, 0},
                                       {kTermSqrt, 4, 0},
                                       {kTermProduct, 5, 6},
                                       {kTermInvExp, 6, 0},
                                       {kTermX3, 2, 0},
                                       {kTermRatio, 4, 1},
                                       {kTermInvSqrt, 5, 0},
                                       {kTermX4, 3, 0},
                                       {kTermInvLn, 6, 0},
                                       {kTermInvX4, 1, 0}}),
  };
}

double Noise(std::uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return static_cast<double>(state >> 8) / 16777216.0;
}

double TermValue(const Term& term, const double* x) {
  double value = 0.0;
  EXPECT_TRUE(TermColumnValue(term.kind, x[term.variable], x[term.variable2], 0.0, value));
  return value;
}

double InverseTransform(EquationSet set, double t) {
  switch (set) {
    case EquationSet::Y: break;
    case EquationSet::Reciprocal: return 1.0 / t;
    case EquationSet::Square: return std::sqrt(t);
    case EquationSet::Cube: return std::cbrt(t);
    case EquationSet::Log: return std::exp(t);
    case EquationSet::Exp: return std::log(t);
  }
  return t;
}

// Data that follow the equation's own law, with a little noise, so the fitted
// coefficients are moderate and the transformed Y stays at 2 or more.
std::vector<std::vector<double>> RowsOfItsLaw(const Candidate& candidate, std::uint32_t seed) {
  std::vector<std::vector<double>> rows;
  const double middle[kVariables + 1] = {0, 2.5, 2.5, 2.5, 2.5, 2.5, 2.5};
  for (int i = 0; i < kPoints; ++i) {
    double x[kVariables + 1] = {0};
    for (int v = 1; v <= kVariables; ++v) x[v] = 1.5 + 2.5 * Noise(seed);
    double t = 2.0 + 0.01 * Noise(seed);
    if (candidate.rational) {
      const Term& numerator = candidate.terms[0];
      const double u =
          numerator.kind == kRationalSquare ? x[numerator.variable] * x[numerator.variable] : x[numerator.variable];
      t += (0.8 * u + 2.0) / (1.0 - 0.1 * x[numerator.variable2]);
    } else {
      for (int k = 0; k < candidate.termCount; ++k)
        t += (0.3 + 0.1 * k) * TermValue(candidate.terms[k], x) / TermValue(candidate.terms[k], middle);
    }
    std::vector<double> row = {InverseTransform(candidate.set, t)};
    row.insert(row.end(), x + 1, x + kVariables + 1);
    rows.push_back(row);
  }
  return rows;
}

struct Sample {
  double x[kSheetColumns] = {0};
};

std::vector<Sample> Samples() {
  std::vector<Sample> samples(kSamples);
  for (int s = 0; s < kSamples; ++s)
    for (int v = 1; v <= kVariables; ++v) samples[static_cast<size_t>(s)].x[v] = 1.6 + 0.3 * v + 0.2 * s;
  return samples;
}

std::string Arguments(const FitWorkspace& ws, bool byReference) {
  std::string text;
  for (const std::string& name : ParameterNames(ws.text)) {
    const int v = std::stoi(name.substr(1));
    text += (text.empty() ? "" : ", ") + std::string(byReference ? "&x[" : "x[") + std::to_string(v) + "]";
  }
  return text;
}

// A driver's line that prints "equation place value" for the variable values
// x[1] ... x[kVariables] of one place (a sample or a data point).
std::string ValueCall(size_t equation, int place, const double* x, const std::string& function,
                      const std::string& arguments) {
  std::ostringstream line;
  line.precision(17);
  line << "  { double x[] = {0";
  for (int v = 1; v <= kVariables; ++v) line << ", " << x[v];
  line << "}; printf(\"" << equation << ' ' << place << " %.17g\\n\", " << function << '(' << arguments << ")); }\n";
  return line.str();
}

std::string SampleCall(size_t equation, int sample, const std::string& function, const std::string& arguments) {
  return ValueCall(equation, sample, Samples()[static_cast<size_t>(sample)].x, function, arguments);
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// A text from its pieces: a shell command, a driver's lines.
std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (const std::string_view piece : pieces) text += piece;
  return text;
}

// Runs a shell command; its output, or a failure naming the command.
std::string RunShell(const std::string& command) {
  std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return "cannot run " + command;
  std::string output;
  char buffer[4096];
  while (const size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = pclose(pipe);
  if (status != 0) ADD_FAILURE() << command << "\n" << output;
  return output;
}

class CompiledFunction : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/rv-compiled-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    std::uint32_t seed = 17;
    const std::vector<Candidate> candidates = EquationsOfEveryFormAndKind();
    for (const Candidate& candidate : candidates) {
      rows.push_back(RowsOfItsLaw(candidate, seed++));
      equations.push_back(FitEquation(rows.back(), candidate));
    }
    // The first equations of Y and of ln Y again, weighted by sigmas of Y
    // in X16 that differ from point to point.
    for (const size_t e : {size_t{0}, size_t{4}}) {
      std::vector<std::vector<double>> weighted = rows[e];
      for (std::vector<double>& row : weighted) {
        row.resize(kSheetColumns, EmptyValue);
        row[kSigmaColumn] = 0.01 * (1.0 + Noise(seed)) * std::fabs(row[0]);
      }
      equations.push_back(FitEquation(weighted, candidates[e], true));
      ASSERT_TRUE(equations.back().weights.weighted());
      rows.push_back(weighted);
    }
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // Lines "equation sample value" printed by a driver, checked against the
  // program's own evaluation.
  void ExpectAgreement(const std::string& output, const std::string& language) {
    std::istringstream lines(output);
    int e, s, checked = 0;
    double value;
    while (lines >> e >> s >> value) {
      const double expected = EvaluateEquation(equations[static_cast<size_t>(e)], Samples()[static_cast<size_t>(s)].x);
      EXPECT_NEAR(value, expected, 1e-9 * std::fabs(expected))
          << language << ": " << equations[static_cast<size_t>(e)].text << " at sample " << s;
      ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(equations.size()) * kSamples) << language << " printed:\n" << output;
  }

  // One program with a function of each chosen equation, the function
  // `name` that `text` writes renamed by the preprocessor for each; it prints
  // the lines that `calls` makes for each equation and its function's name
  // and arguments.
  template <typename Text, typename Calls>
  std::string RunCFamily(const std::vector<size_t>& chosen, const std::string& name, Text text,
                         const std::string& compiler, const std::string& extension, Calls calls) {
    std::string driver = "#include <math.h>\n#include <stdio.h>\n";
    std::string body;
    for (const size_t e : chosen) {
      const std::string renamed = name + std::to_string(e);
      const std::string file = renamed + extension;
      WriteText(folder / file, text(e));
      driver += Joined({"#define ", name, " ", renamed, "\n#include \"", file, "\"\n#undef ", name, "\n"});
      body += calls(e, renamed, Arguments(equations[e], false));
    }
    const std::string source = (folder / (name + "Driver" + extension)).string();
    WriteText(source, driver + "int main(void) {\n" + body + "  return 0;\n}\n");
    RunShell(compiler + " -Wall -Werror -o " + source + ".run " + source + " -lm");
    return RunShell(source + ".run");
  }

  // A FORTRAN function and a C driver that declares its `symbol` and runs
  // `calls`, compiled, linked and run.
  std::string RunFortran(const std::string& name, const std::string& function, const std::string& symbol,
                         const std::string& calls) {
    const std::string base = (folder / name).string();
    WriteText(base + ".for", function);
    WriteText(base + "d.c",
              "#include <stdio.h>\ndouble " + symbol + "();\nint main(void) {\n" + calls + "  return 0;\n}\n");
    RunShell(Joined({"gfortran -Wall -Werror -c -o ", base, "f.o ", base, ".for"}));
    RunShell(Joined({"gcc -Wall -Werror -Wno-strict-prototypes -c -o ", base, "d.o ", base, "d.c"}));
    RunShell(Joined({"gfortran -o ", base, ".run ", base, "d.o ", base, "f.o"}));
    return RunShell(base + ".run");
  }

  void CheckCFamily(FunctionLanguage language, const std::string& compiler, const std::string& extension) {
    std::vector<size_t> all(equations.size());
    for (size_t e = 0; e < all.size(); ++e) all[e] = e;
    const auto text = [&](size_t e) { return GenerateFunctionText(equations[e], language); };
    const std::string output = RunCFamily(all, "Func", text, compiler, extension,
                                          [](size_t e, const std::string& function, const std::string& arguments) {
                                            std::string lines;
                                            for (int s = 0; s < kSamples; ++s)
                                              lines += SampleCall(e, s, function, arguments);
                                            return lines;
                                          });
    ExpectAgreement(output, compiler);
  }

  std::vector<std::vector<std::vector<double>>> rows;  // the data each equation was fitted to
  std::vector<FitWorkspace> equations;
  std::filesystem::path folder;
};

TEST_F(CompiledFunction, CAndCppAgreeWithTheProgram) {
  CheckCFamily(FunctionLanguage::C, "gcc", ".c");
  CheckCFamily(FunctionLanguage::Cpp, "g++", ".cpp");
}

// At every data point of a rational equation of each Y form that has them,
// the residual table's Y Calc is the value of the equation's C function and
// of the program's own evaluation. The function carries its coefficients as
// literals of twelve decimals, so the equation takes them as written before
// its statistics are made: the comparison measures the equation, not the
// rounding of its constants.
TEST_F(CompiledFunction, ARationalEquationsYCalcIsItsFunctionsValueAtEveryPoint) {
  std::vector<size_t> rational;
  std::set<EquationSet> forms;
  for (size_t e = 0; e < equations.size(); ++e) {
    FitWorkspace& ws = equations[e];
    if (!ws.candidate.rational) continue;
    rational.push_back(e);
    forms.insert(ws.set());
    for (int k = 0; k < ws.coefficientCount(); ++k)
      ws.coefficients[k] = std::strtod(CoefficientLiteral(ws.coefficients[k], 'E').c_str(), nullptr);
  }
  EXPECT_EQ(forms, (std::set<EquationSet>{EquationSet::Y, EquationSet::Log, EquationSet::Exp}));
  const std::string output = RunCFamily(
      rational, "Func", [this](size_t e) { return GenerateFunctionText(equations[e], FunctionLanguage::C); }, "gcc",
      ".c",
      [this](size_t e, const std::string& function, const std::string& arguments) {
        std::string lines;
        for (int i = 0; i < kPoints; ++i)
          lines += ValueCall(e, i, rows[e][static_cast<size_t>(i)].data(), function, arguments);
        return lines;
      });
  std::istringstream lines(output);
  int e, i, checked = 0;
  double value;
  while (lines >> e >> i >> value) {
    const FitWorkspace& ws = equations[static_cast<size_t>(e)];
    const double yCalc = StatisticsPass(ws).residuals.yCalc[static_cast<size_t>(i)];
    EXPECT_NEAR(value, yCalc, 1e-12 * std::fabs(yCalc)) << ws.text << " at point " << i + 1;
    EXPECT_NEAR(EvaluateEquation(ws, rows[static_cast<size_t>(e)][static_cast<size_t>(i)].data()), yCalc,
                1e-12 * std::fabs(yCalc))
        << ws.text << " at point " << i + 1;
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<int>(rational.size()) * kPoints) << output;
}

TEST_F(CompiledFunction, FortranAgreesWithTheProgram) {
  std::string output;
  for (size_t e = 0; e < equations.size(); ++e) {
    const std::string text = GenerateFunctionText(equations[e], FunctionLanguage::Fortran);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
      if (line[0] != 'C') {
        EXPECT_LE(line.size(), 73u) << line;  // 72 columns and the CR
      }
    std::string calls;
    for (int s = 0; s < kSamples; ++s) calls += SampleCall(e, s, "func_", Arguments(equations[e], true));
    output += RunFortran(std::to_string(e), text, "func_", calls);
  }
  ExpectAgreement(output, "gfortran");
}

// A new observation's variance on the fit's scale: 1 for an unweighted fit,
// whose band function takes Pred = 1; a weighted fit's takes it as Pred.
double NewObservationVariance(const FitWorkspace& ws) { return ws.weights.weighted() ? 2.5e-3 : 1.0; }

// The calls of a band function at every sample: Pred 0 at place 2s, the new
// observation's variance at place 2s + 1.
std::string BandCalls(size_t e, const std::string& function, const std::string& arguments, const char* zero,
                      const char* observation) {
  std::string calls;
  for (int s = 0; s < kSamples; ++s)
    for (const int pred : {0, 1})
      calls += ValueCall(e, 2 * s + pred, Samples()[static_cast<size_t>(s)].x, function,
                         arguments + (pred == 0 ? zero : observation));
  return calls;
}

// The band functions of every linear equation, weighted or not, compiled as
// C, C++ and FORTRAN, give the program's own half-widths at every sample, of
// the mean and of a new observation; a rational equation has none.
TEST_F(CompiledFunction, BandFunctionsAgreeWithTheProgram) {
  constexpr double kLevel = 0.9;
  std::map<std::string, std::string> outputs;
  std::vector<size_t> linear;
  for (size_t e = 0; e < equations.size(); ++e)
    if (!equations[e].candidate.rational) linear.push_back(e);
  const auto calls = [this](size_t e, const std::string& function, const std::string& arguments) {
    return BandCalls(e, function, arguments, ", 0",
                     (", " + std::to_string(NewObservationVariance(equations[e]))).c_str());
  };
  for (const FitWorkspace& ws : equations)
    for (const FunctionLanguage language : {FunctionLanguage::C, FunctionLanguage::Fortran})
      EXPECT_EQ(GenerateBandFunctionText(ws, language, kLevel).empty(), ws.candidate.rational) << ws.text;
  const auto runCFamily = [&](FunctionLanguage language, const std::string& compiler, const std::string& extension) {
    const auto text = [&](size_t e) { return GenerateBandFunctionText(equations[e], language, kLevel); };
    outputs[extension] = RunCFamily(linear, "FuncBand", text, compiler, extension, calls);
  };
  runCFamily(FunctionLanguage::C, "gcc", ".c");
  runCFamily(FunctionLanguage::Cpp, "g++", ".cpp");
  // FORTRAN's function has one name: a program for each equation.
  for (const size_t e : linear) {
    const std::string observation = std::to_string(NewObservationVariance(equations[e]));
    const std::string fortranCalls = BandCalls(e, "funcb_", Arguments(equations[e], true), ", &zero", ", &observation");
    outputs[".for"] +=
        RunFortran("b" + std::to_string(e), GenerateBandFunctionText(equations[e], FunctionLanguage::Fortran, kLevel),
                   "funcb_", Joined({"  double zero = 0.0, observation = ", observation, ";\n", fortranCalls}));
  }
  for (const auto& [extension, output] : outputs) {
    std::istringstream lines(output);
    int e, place, checked = 0;
    double value;
    while (lines >> e >> place >> value) {
      const FitWorkspace& ws = equations[static_cast<size_t>(e)];
      TermValues values;
      ASSERT_TRUE(TermValuesAt(ws, Samples()[static_cast<size_t>(place / 2)].x, values));
      const BandHalfWidths half =
          HalfWidthsAt(BuildConfidenceBands(ws, kLevel), ws, values, NewObservationVariance(ws));
      const double expected = place % 2 == 0 ? half.confidence : half.prediction;
      EXPECT_NEAR(value, expected, 1e-12 * expected) << extension << ": " << ws.text << " at " << place;
      ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(linear.size()) * kSamples * 2) << extension << " printed:\n" << output;
  }
}

}  // namespace
}  // namespace rv::testing
