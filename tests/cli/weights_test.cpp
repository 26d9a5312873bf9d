#include <gtest/gtest.h>

#include "run_tool.h"

namespace rv::testing {
namespace {

const std::string kCounts = std::string(REGROVANTIS_SOURCE_DIR) + "/examples/decay_counts.csv";

// --sigma X16 weights the search and the statistics by the counting errors
// of the example, says so, and gives the normalised residuals; ranked by
// predicted R squared, the law it was made from comes first. A sigma that cannot weight a fit is refused naming
// its row, and so is a column other than X16.
using SigmaOption = ToolFolderTest;

TEST_F(SigmaOption, WeightsEveryFitAndRefusesWhatCannotWeightIt) {
  const ToolResult search =
      RunTool({"search", kCounts, "--sigma", "X16", "--rank-by", "pred-r2", "--json", "--quiet", "--top", "1"});
  ASSERT_EQ(search.status, 0) << search.err;
  EXPECT_NE(search.out.find("\"weighting\": \"weighted by \xcf\x83 (X16)\""), std::string::npos) << search.out;
  EXPECT_NE(search.out.find("\"equation\": \"ln(Y) = aX1 + b\""), std::string::npos) << search.out;
  EXPECT_NE(search.out.find("\"predicted_r_squared\": 0.9988"), std::string::npos) << search.out;
  const ToolResult plain = RunTool({"search", kCounts, "--rank-by", "pred-r2", "--json", "--quiet", "--top", "1"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out.find("weighting"), std::string::npos);
  EXPECT_NE(plain.out, search.out);

  const ToolResult stats = RunTool({"stats", kCounts, "--sigma", "X16", "--rank", "1", "--rank-by", "aicc", "--json"});
  ASSERT_EQ(stats.status, 0) << stats.err;
  EXPECT_NE(stats.out.find("\"normalised\": "), std::string::npos);
  EXPECT_NE(stats.out.find("\"predicted_r_squared\": 0.99"), std::string::npos) << stats.out;
  const ToolResult text = RunTool({"stats", kCounts, "--sigma", "X16", "--rank", "1", "--rank-by", "pred-r2"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Weights  =  weighted by \xcf\x83 (X16)"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Pct Diff\tNormalised\n"), std::string::npos);

  for (const char* sigma : {"0", "-1", ""}) {
    const std::string sheet = write("bad.csv", std::string("Y,X1,X16\n1,1,0.1\n2,2,0.1\n3,3,") + sigma + "\n4,4,0.1\n");
    const ToolResult refused = RunTool({"search", sheet, "--sigma", "X16", "--quiet"});
    EXPECT_EQ(refused.status, 1) << sigma;
    EXPECT_NE(refused.err.find("X16 of row 3 is empty, zero or negative"), std::string::npos) << refused.err;
    EXPECT_EQ(RunTool({"search", sheet, "--quiet"}).status, 0) << sigma;
  }
  EXPECT_EQ(RunTool({"search", kCounts, "--sigma", "X15"}).status, 2);
}

}  // namespace
}  // namespace rv::testing
