#include <gtest/gtest.h>

#include <string>

#include "run_tool.h"

// The fit criteria stats adds after the dialog's content. Their arithmetic is
// checked in the engine's tests; here the published figures of a textbook
// regression (set I of Anscombe's quartet: adjusted R squared 0.6295, F 17.99
// on 1 and 9 degrees of freedom, P 0.00217) must reach both output forms.

namespace rv::testing {
namespace {

using StatsCriteria = ToolFolderTest;

TEST_F(StatsCriteria, TextFollowsTheDialogsContent) {
  const ToolResult result = RunTool({"stats", write("data.csv", kAnscombe), "--ordinal", "3"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string criteria =
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
      "b\t4.55736900E-01\t5.54444492E+00\n";
  // The bands follow them (band_tool_test.cpp).
  EXPECT_NE(result.out.find(criteria + "\n95% bands: "), std::string::npos) << result.out;
}

TEST_F(StatsCriteria, JsonCarriesThemWithFullPrecisionAndNullWhereUndefined) {
  const ToolResult result = RunTool({"stats", write("data.csv", kAnscombe), "--ordinal", "3", "--json"});
  ASSERT_EQ(result.status, 0) << result.err;
  // With one term F is the square of the slope's t, and its P the slope's P.
  for (const char* part : {"\"p_values\": [0.002169628873078", "\"adjusted_r_squared\": 0.629491621676",
                           "\"f_stat\": 17.98994296767", "\"f_p_value\": 0.002169628873078", "\"aicc\": 7.964726382650",
                           "\"bic\": 7.260516928246", "\"predicted_r_squared\": 0.50138325814",
                           "\"coef_ci95\": [[0.23337013", ", 0.76681168", "], [0.4557368999", ", 5.5444449"})
    EXPECT_NE(result.out.find(part), std::string::npos) << part << "\nin\n" << result.out;

  // Two points leave no residual degrees of freedom, and each alone fixes
  // its own fitted value: no leave-one-out fit.
  const ToolResult two = RunTool({"stats", write("two.csv", "Y,X1\n1,1\n3,2\n"), "--ordinal", "3", "--json"});
  ASSERT_EQ(two.status, 0) << two.err;
  EXPECT_NE(
      two.out.find(
          "\"adjusted_r_squared\": null,\n  \"f_stat\": null,\n  \"f_p_value\": null,\n"
          "  \"aicc\": null,\n  \"bic\": null,\n  \"residual_std_error\": null,\n  \"predicted_r_squared\": null,\n"
          "  \"coef_ci95\": "
          "[[null, null], [null, null]],\n"),
      std::string::npos)
      << two.out;
  const ToolResult twoText = RunTool({"stats", path("two.csv"), "--ordinal", "3"});
  EXPECT_NE(twoText.out.find("\nAdjusted R Squared  =  n/a\nF Stat  =  n/a\n"), std::string::npos) << twoText.out;
  EXPECT_NE(twoText.out.find("\nPredicted R Squared  =  n/a\n"), std::string::npos) << twoText.out;
  EXPECT_NE(twoText.out.find("\naX1 \tn/a\tn/a\n"), std::string::npos) << twoText.out;
}

TEST_F(StatsCriteria, NoSumOfSquaresOrFIsNegative) {
  // The bundled example's ordinal 4, (aX1^2 + c) / (1 - bX1), has a negative
  // R squared on the scale of Y: it explains nothing, so it has no Regress
  // sum of squares and no F.
  const ToolResult worse = RunTool({"stats", kIdealGasCsv, "--ordinal", "4", "--json"});
  ASSERT_EQ(worse.status, 0) << worse.err;
  EXPECT_NE(worse.out.find("\"r_squared\": -0.1249"), std::string::npos) << worse.out;
  EXPECT_NE(worse.out.find("\"f_stat\": null,\n  \"f_p_value\": null,"), std::string::npos) << worse.out;
  EXPECT_NE(worse.out.find("\"regress\": {\"df\": 2, \"ss\": null, \"ms\": null}"), std::string::npos) << worse.out;

  // A constant Y (whose mean, seven times 0.1 over 7, is not exactly 0.1)
  // has nothing to explain.
  const ToolResult flat =
      RunTool({"stats", write("flat.csv", "Y,X1\n0.1,1\n0.1,2\n0.1,5\n0.1,10\n0.1,11\n0.1,12\n0.1,20\n"), "--ordinal",
               "3", "--json"});
  ASSERT_EQ(flat.status, 0) << flat.err;
  for (const char* part : {"\"r_squared\": null", "\"adjusted_r_squared\": null", "\"f_stat\": null",
                           "\"regress\": {\"df\": 1, \"ss\": null", "\"total\": {\"df\": 6, \"ss\": 0}"})
    EXPECT_NE(flat.out.find(part), std::string::npos) << part << "\nin\n" << flat.out;
}

}  // namespace
}  // namespace rv::testing
