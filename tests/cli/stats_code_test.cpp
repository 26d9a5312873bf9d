#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "files/data_file_format.h"
#include "files/data_file_io.h"
#include "regress/recreate_equation.h"
#include "run_tool.h"

namespace rv::testing {
namespace {

using EquationCommands = ToolFolderTest;

// stats prints what its dialog shows, then the fit criteria, as text and
// as JSON of full precision with null where a figure is undefined. The
// criteria's arithmetic is checked in the engine's tests; here the published
// figures of a textbook regression (set I of Anscombe's quartet: adjusted R
// squared 0.6295, F 17.99 on 1 and 9 degrees of freedom, P 0.00217) must
// reach both forms; with one term F is the square of the slope's t, and its
// P the slope's P.
TEST_F(EquationCommands, StatsPrintsTheDialogsContentThenTheFitCriteria) {
  const std::string anscombe = write("data.csv", kAnscombe), two = write("two.csv", "Y,X1\n1,1\n3,2\n");
  // A constant Y (whose mean, seven times 0.1 over 7, is not exactly 0.1)
  // has nothing to explain.
  const std::string flat = write("flat.csv", "Y,X1\n0.1,1\n0.1,2\n0.1,5\n0.1,10\n0.1,11\n0.1,12\n0.1,20\n");
  const struct {
    const char* name;
    std::vector<std::string> words;
    std::vector<std::string> parts;
  } cases[] = {
      {"text",
       {"stats", anscombe, "--ordinal", "3"},
       {"Y = aX1 + b\n", "\n a  =\t5.00090909E-01\n", "\nR Squared  =  0.666542\n", "\nResidual\t9\t13.76\t1.53\n",
        "\n  11\t5.6800E+00\t5.5005E+00\t1.7945E-01\t3.16\n",
        "\nTerm\tStd Error\tt Stat\tP Value\naX1 \t+1.179055E-01\t+4.241455\t2.1696E-03\n",
        // The bands follow the criteria (band_tool_test.cpp).
        "\nb\t+1.124747E+00\t+2.667348\t2.5734E-02\n"
        "\nFit Criteria\n"
        "Adjusted R Squared  =  0.629492\n"
        "F Stat  =  1.79899430E+01\n"
        "F P Value  =  2.1696E-03\n"
        "AICc  =  7.964726\n"
        "BIC  =  7.260517\n"
        "Predicted R Squared  =  0.501383\n"
        "Residual Std Error  =  1.236603\n"
        "\n95% Confidence Intervals\nTerm\tLower\tUpper\n"
        "aX1 \t2.33370136E-01\t7.66811682E-01\n"
        "b\t4.55736900E-01\t5.54444492E+00\n"
        "\n95% bands: "}},
      {"JSON",
       {"stats", anscombe, "--ordinal", "3", "--json"},
       {"\"equation\": \"Y = aX1 + b\"",
        "\"ordinal\": 3",
        "\"r_squared\": 0.66654",
        "\"coefficients\": [0.50009090909090",
        "\"term_labels\": [\"aX1 \", \"b\"]",
        "\"p_values\": [0.0021696",
        "\"residual\": {\"df\": 9, \"ss\": 13.7626",
        "\"total\": {\"df\": 10, \"ss\": 41.27",
        "{\"n\": 1, \"y_obs\": 8.0399999999999991, \"y_calc\": 8.00",
        "\"p_values\": [0.002169628873078",
        "\"adjusted_r_squared\": 0.629491621676",
        "\"f_stat\": 17.98994296767",
        "\"f_p_value\": 0.002169628873078",
        "\"aicc\": 7.964726382650",
        "\"bic\": 7.260516928246",
        "\"predicted_r_squared\": 0.50138325814",
        "\"coef_ci95\": [[0.23337013",
        ", 0.76681168",
        "], [0.4557368999",
        ", 5.5444449"}},
      // Two points leave no residual degrees of freedom, and each alone
      // fixes its own fitted value: no leave-one-out fit.
      {"two points, JSON",
       {"stats", two, "--ordinal", "3", "--json"},
       {"\"coef_std_errors\": [null, null]", "\"residual\": {\"df\": 0, \"ss\": 0, \"ms\": null}",
        "\"adjusted_r_squared\": null,\n  \"f_stat\": null,\n  \"f_p_value\": null,\n"
        "  \"aicc\": null,\n  \"bic\": null,\n  \"residual_std_error\": null,\n  \"predicted_r_squared\": null,\n"
        "  \"coef_ci95\": [[null, null], [null, null]],\n"}},
      {"two points, text",
       {"stats", two, "--ordinal", "3"},
       {"\nAdjusted R Squared  =  n/a\nF Stat  =  n/a\n", "\nPredicted R Squared  =  n/a\n", "\naX1 \tn/a\tn/a\n"}},
      // The bundled example's ordinal 4, (aX1^2 + c) / (1 - bX1), once came
      // fourth with the R squared of its linearised design; as an equation
      // it predicts worse than the mean. Its R squared on the scale of Y is
      // negative: it explains nothing, so it has no Regress sum of squares
      // and no F.
      {"worse than the mean, JSON",
       {"stats", kIdealGasCsv, "--ordinal", "4", "--json"},
       {"\"r_squared\": -0.1249", "\"term_labels\": [\"aX1^2\", \"bX1\", \"c\"]",
        "{\"n\": 1, \"y_obs\": 234.52000000000001, \"y_calc\": 235.62", "\"f_stat\": null,\n  \"f_p_value\": null,",
        "\"regress\": {\"df\": 2, \"ss\": null, \"ms\": null}"}},
      {"worse than the mean, text",
       {"stats", kIdealGasCsv, "--ordinal", "4"},
       {"\nTerm\tStd Error\tt Stat\tP Value\naX1^2\t", "\nbX1\t"}},
      {"constant Y",
       {"stats", flat, "--ordinal", "3", "--json"},
       {"\"r_squared\": null", "\"adjusted_r_squared\": null", "\"f_stat\": null",
        "\"regress\": {\"df\": 1, \"ss\": null", "\"total\": {\"df\": 6, \"ss\": 0}"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolResult result = RunTool(c.words);
    ASSERT_EQ(result.status, 0) << result.err;
    for (const std::string& part : c.parts)
      EXPECT_NE(result.out.find(part), std::string::npos) << part << "\nin\n" << result.out;
  }
}

// Every value given for one key in a JSON text, in order; null reads as not a number.
std::vector<double> NumbersOf(const std::string& json, const std::string& key) {
  std::vector<double> numbers;
  const std::string mark = "\"" + key + "\": ";
  for (size_t at = json.find(mark); at != std::string::npos; at = json.find(mark, at + 1))
    numbers.push_back(json.compare(at + mark.size(), 4, "null") == 0
                          ? std::nan("")
                          : std::strtod(json.c_str() + at + mark.size(), nullptr));
  return numbers;
}

// R squared by the scoring rule from the Y Obs and Y Calc that stats --json shows.
double RSquaredOfShownValues(const std::string& statsJson) {
  const std::vector<double> observed = NumbersOf(statsJson, "y_obs"), calculated = NumbersOf(statsJson, "y_calc");
  EXPECT_EQ(observed.size(), calculated.size());
  double sumY = 0.0, ssRes = 0.0, sst = 0.0;
  for (const double y : observed) sumY += y;
  const double mean = sumY / static_cast<double>(observed.size());
  for (size_t i = 0; i < observed.size(); ++i) {
    ssRes += (observed[i] - calculated[i]) * (observed[i] - calculated[i]);
    sst += (observed[i] - mean) * (observed[i] - mean);
  }
  return 1.0 - ssRes / sst;
}

// A listed equation's R squared is that of the values its statistics show.
// Checked for every rational equation of the list and every `step`th entry
// (the statistics tests check every entry of full lists in the engine);
// `rationals` counts the rational ones.
void ExpectListedRSquaredOfShownValues(const std::string& path, const std::string& top, size_t expectedEntries,
                                       size_t step, size_t& rationals) {
  const ToolResult search = RunTool({"search", path, "--json", "--quiet", "--top", top});
  ASSERT_EQ(search.status, 0) << search.err;
  const std::vector<double> listed = NumbersOf(search.out, "r_squared"), ordinals = NumbersOf(search.out, "ordinal");
  ASSERT_EQ(listed.size(), expectedEntries);
  ASSERT_EQ(ordinals.size(), expectedEntries);
  rationals = 0;
  size_t line = search.out.find("{\"r_squared\": ");
  for (size_t k = 0; k < listed.size(); ++k, line = search.out.find("{\"r_squared\": ", line + 1)) {
    const std::string entry = search.out.substr(line, search.out.find('\n', line) - line);
    const bool rational = entry.find("/ (1 - b") != std::string::npos;
    rationals += rational ? 1 : 0;
    if (!rational && k % step != 0) continue;
    const std::string ordinal = std::to_string(static_cast<long long>(ordinals[k]));
    const ToolResult stats = RunTool({"stats", path, "--ordinal", ordinal, "--json"});
    ASSERT_EQ(stats.status, 0) << stats.err;
    EXPECT_NEAR(RSquaredOfShownValues(stats.out), listed[k], 1e-9) << entry;
    EXPECT_EQ(NumbersOf(stats.out, "r_squared"), std::vector<double>{listed[k]}) << entry;
  }
}

TEST_F(EquationCommands, EveryListedEquationShowsTheRSquaredOfItsOwnValues) {
  // Y = (2 X1 + 5) / (1 - 0.1 X1) with 0.5 % noise: the law itself is listed,
  // with its own R squared close to 1.
  std::string text = "Y,X1\n";
  std::uint32_t state = 5;
  for (int i = 0; i < 30; ++i) {
    state = state * 1664525u + 1013904223u;
    const double x = 1.0 + 0.25 * i, noise = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
    char row[64];
    std::snprintf(row, sizeof row, "%.17g,%.17g\n", (2.0 * x + 5.0) / (1.0 - 0.1 * x) * (1.0 + 0.01 * noise), x);
    text += row;
  }
  const std::string path = write("rational.csv", text);
  size_t rationals = 0;
  ExpectListedRSquaredOfShownValues(path, "1000", 1000, 10, rationals);
  EXPECT_GT(rationals, 0u);
  const ToolResult law = RunTool({"search", path, "--quiet", "--sets", "1", "--top", "1"});
  EXPECT_GT(std::strtod(law.out.c_str(), nullptr), 0.9999) << law.out;
  EXPECT_NE(law.out.find("\t1\tY = (aX1 + c) / (1 - bX1)   \n"), std::string::npos) << law.out;
}

TEST_F(EquationCommands, TheBundledExampleListsNoEquationAboveItsOwnRSquared) {
  size_t rationals = 0;
  ExpectListedRSquaredOfShownValues(kIdealGasCsv, "20", 20, 1, rationals);
}

TEST_F(EquationCommands, CodePrintsExactlyTheFunctionFile) {
  const ToolResult c = RunTool({"code", write("data.csv", kAnscombe), "--ordinal", "3", "--lang", "c"});
  ASSERT_EQ(c.status, 0) << c.err;
  EXPECT_EQ(c.out,
            "/*  Regrovantis Procedure (Func)  */\r\n/*  Y = aX1 + b  */\r\n\r\ndouble Func (double X1) { \r\n\r\n"
            "    double  a = 0.500090909091;\r\n    double  b = 3.000090909091;\r\n    double  Y;\r\n\r\n"
            "    Y = (a * X1 + b);\r\n\r\n    return Y;}\r\n\r\n");
  EXPECT_EQ(RunTool({"code", path("data.csv"), "--ordinal", "3", "--lang", "cpp"}).out, c.out);
  const ToolResult fortran = RunTool({"code", path("data.csv"), "--ordinal", "3", "--lang", "fortran"});
  EXPECT_NE(fortran.out.find("      DATA  A  / +5.000909090909D-01 /\r\n"), std::string::npos) << fortran.out;
  EXPECT_NE(
      RunTool({"code", path("data.csv"), "--ordinal", "3", "--lang", "basic"}).out.find("    Func = (a * X1 + b)\r\n"),
      std::string::npos);
}

TEST_F(EquationCommands, UseTheEquationADataFileStores) {
  // Stored with the first 8 of the 11 points and only the set of ln(Y):
  // there ordinal 3 is ln(Y) = aX1 + b, while the whole data and every set
  // would make it Y = aX1 + b.
  Document document;
  const double x[] = {10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};
  const double y[] = {8.04, 6.95, 7.58, 8.81, 8.33, 9.96, 7.24, 4.26, 10.84, 4.82, 5.68};
  for (int i = 0; i < 11; ++i) document.sheet.cell(i, 0) = y[i], document.sheet.cell(i, 1) = x[i];
  document.pointCount = 8;
  document.columnCount = 2;
  document.options.setEnabled = {false, false, false, false, true, false};
  DataFileSession session;
  session.selectedIndex = 0;
  FitWorkspace fitted;
  ASSERT_TRUE(RecreateEquation(fitted, SnapshotWithCounts(document.sheet.cells, 8, 2),
                               MakeSearchShape(SnapshotWithCounts(document.sheet.cells, 8, 2), document.options), 3));
  session.savedEquation = MakeEquationRecord(fitted.lastRSquared, 3, fitted.text);
  const std::string stored = path("stored.rvd");
  ASSERT_TRUE(StoreDataFile(stored, EncodeDataFile(document, session)));

  const ToolResult statistics = RunTool({"stats", stored, "--json"});
  ASSERT_EQ(statistics.status, 0) << statistics.err;
  EXPECT_NE(statistics.out.find("\"equation\": \"ln(Y) = aX1 + b\",\n  \"ordinal\": 3,"), std::string::npos)
      << statistics.out;
  EXPECT_NE(statistics.out.find("{\"n\": 8,"), std::string::npos);
  EXPECT_EQ(statistics.out.find("{\"n\": 9,"), std::string::npos);
  const ToolResult code = RunTool({"code", stored, "--lang", "c"});
  EXPECT_NE(code.out.find("    Y = exp (a * X1 + b);\r\n"), std::string::npos) << code.out << code.err;

  // --ordinal numbers the equations as a search of the file does.
  const ToolResult chosen = RunTool({"stats", stored, "--ordinal", "4"});
  EXPECT_EQ(chosen.out.substr(0, chosen.out.find('\n')), "ln(Y) = aX1^2 + b");
  EXPECT_NE(chosen.out.find("\n  11\t"), std::string::npos);
  EXPECT_EQ(RunTool({"stats", stored, "--sets", "1"}).status, 2);

  // A flipped bit in the stored ordinal names another equation; X1 emptied
  // among the stored points after the search would make the stored equation
  // fit the number that marks an empty cell. Both commands refuse either.
  const struct {
    const char* name;
    int ordinal;
    bool emptied;
    const char* message;  // after the file's quoted path
  } damaged[] = {
      {"flipped.rvd", 3 ^ 1, false, "' does not match its data and was left out.\n"},
      {"emptied.rvd", 3, true, "' cannot be fitted to its data: give --ordinal K\n"},
  };
  for (const auto& d : damaged) {
    Document changed = document;
    if (d.emptied) changed.sheet.cell(4, 1) = EmptyValue;
    session.savedEquation = MakeEquationRecord(fitted.lastRSquared, d.ordinal, fitted.text);
    ASSERT_TRUE(StoreDataFile(path(d.name), EncodeDataFile(changed, session)));
    const std::string equation = d.emptied ? "the equation" : "The equation";
    for (const std::vector<std::string>& command : {std::vector<std::string>{"stats", path(d.name)},
                                                    std::vector<std::string>{"code", path(d.name), "--lang", "c"}}) {
      const ToolResult refused = RunTool(command);
      EXPECT_EQ(refused.status, 1) << command[0];
      EXPECT_EQ(refused.err, equation + " stored in '" + path(d.name) + d.message) << command[0];
      EXPECT_TRUE(refused.out.empty());
    }
  }

  const ToolResult none = RunTool({"stats", kIdealGasRvd});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("stores no selected equation"), std::string::npos) << none.err;
}

// A missing or wrong option is a usage error (status 2); an equation that
// cannot be fitted to the data fails the command (status 1). The message
// names the cause either way.
TEST_F(EquationCommands, RejectMistakesWithAMessage) {
  const std::string data = write("data.csv", kAnscombe);
  const std::string negative = write("negative.csv", "Y,X1\n-1,1\n3,2\n4,3\n");  // ln(Y) cannot take it
  const struct {
    std::vector<std::string> words;
    int status;
    std::string message;
  } mistakes[] = {
      {{"stats", data}, 2, "--ordinal"},
      {{"code", data, "--ordinal", "3"}, 2, "--lang"},
      {{"code", data, "--ordinal", "3", "--lang", "pascal"}, 2, "--lang"},
      {{"stats", data, "--ordinal", "12732"}, 2, "1 to 12731"},
      {{"stats", negative, "--ordinal", "3", "--sets", "5"}, 1, "ln(Y) = aX1 + b"},
  };
  for (const auto& mistake : mistakes) {
    const ToolResult result = RunTool(mistake.words);
    EXPECT_EQ(result.status, mistake.status) << mistake.message;
    EXPECT_NE(result.err.find(mistake.message), std::string::npos) << result.err;
    EXPECT_TRUE(result.out.empty()) << mistake.message;
  }
}

}  // namespace
}  // namespace rv::testing
