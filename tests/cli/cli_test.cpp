#include <gtest/gtest.h>

#include "run_tool.h"

namespace rv::testing {
namespace {

// What the counting commands print, exactly.
TEST(CountAndEquationCommands, PrintTheirTextExactly) {
  const struct {
    std::vector<std::string> words;
    std::string out;
  } cases[] = {
      {{"count", "--vars", "15", "--max-terms", "20"},
       "Set 1: 99420318\nSet 2: 132918816\nSet 3: 103064880\nSet 4: 103064880\n"
       "Set 5: 93824616\nSet 6: 93824616\nTotal: 626118126\n"},
      {{"count", "--vars", "3", "--sets", "2,5"}, "Set 2: 13372\nSet 5: 8104\nTotal: 21476\n"},
      {{"equation", "1", "--vars", "1", "--sets", "1"}, "Y = (aX1 + c) / (1 - bX1)   \n"},
      {{"equation", "3", "--vars", "1"}, "Y = aX1 + b\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.words[0] + " " + c.words[1] + " " + c.words[2]);
    const ToolResult result = RunTool(c.words);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, c.out);
  }
}

// A mistake on the command line is a usage error (status 2) whose message
// names what was wrong.
TEST(CommandLine, RejectsMistakesWithAMessage) {
  const struct {
    std::vector<std::string> words;
    std::string message;
  } mistakes[] = {
      {{}, "usage:"},
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"count"}, "--vars"},
      {{"count", "--vars", "16"}, "--vars must be a whole number from 1 to 15"},
      {{"count", "--vars", "3", "--max-terms", "21"}, "--max-terms must be a whole number from 1 to 20"},
      {{"count", "--vars", "3", "--sets", "7"}, "--sets must be a whole number from 1 to 6"},
      {{"count", "--vars", "3", "--bogus"}, "unknown option --bogus"},
      {{"equation", "1700", "--vars", "1", "--sets", "1"}, "1 to 1699"},
      {{"search", kIdealGasCsv, "--rank-by", "aic"}, "--rank-by must be r2, adj-r2, aicc, bic or pred-r2"},
      {{"stats", kIdealGasCsv, "--rank", "1", "--ordinal", "3"}, "give --ordinal K or --rank K, not both"},
      {{"stats", kIdealGasCsv, "--rank", "1001"}, "--rank must be a whole number from 1 to 1000"},
      {{"stats", kIdealGasCsv, "--rank-by", "bic", "--ordinal", "3"}, "--rank-by needs --rank K"},
  };
  for (const auto& mistake : mistakes) {
    const ToolResult result = RunTool(mistake.words);
    EXPECT_EQ(result.status, 2) << mistake.message;
    EXPECT_NE(result.err.find(mistake.message), std::string::npos) << result.err;
  }
}

TEST(SearchCommand, RanksTheBundledExample) {
  const ToolResult result = RunTool({"search", kIdealGasCsv, "--top", "3", "--quiet"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.substr(0, result.out.find('\n')),
            " 0.999912\t43068\tln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d");
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 3);
}

TEST(SearchCommand, WritesJsonWithFullPrecision) {
  const ToolResult result = RunTool({"search", kIdealGasCsv, "--top", "2", "--json", "--quiet", "--max-terms", "4"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("\"points\": 40"), std::string::npos);
  EXPECT_NE(result.out.find("\"max_terms\": 4"), std::string::npos);
  EXPECT_NE(result.out.find("\"r_squared\": 0.99991"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\"equation\": \"ln(Y) = a ln(X1)"), std::string::npos);
}

// A criterion other than R squared gets its own column in the text; the
// JSON names the criterion and gives every criterion of every entry; stats
// --rank K takes entry K of that very list.
TEST(SearchCommand, RanksByTheCriterionGivenAndStatsFollowsItsList) {
  const ToolResult text = RunTool({"search", kIdealGasCsv, "--top", "2", "--quiet", "--rank-by", "aicc"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.substr(0, text.out.find('\n')),
            " 0.999912\t 15.526952\t43068\tln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d");
  const ToolResult json = RunTool({"search", kIdealGasCsv, "--top", "2", "--json", "--quiet", "--rank-by", "adj-r2"});
  for (const char* part : {"\"rank_by\": \"adj-r2\"", "\"k\": 4, \"adjusted_r_squared\": 0.999905135",
                           "\"aicc\": 15.52695190", "\"bic\": 21.13961257"})
    EXPECT_NE(json.out.find(part), std::string::npos) << part << "\nin\n" << json.out;

  const ToolResult bic = RunTool({"search", kIdealGasCsv, "--top", "2", "--quiet", "--rank-by", "bic"});
  const std::string second = bic.out.substr(bic.out.find('\n') + 1);
  const std::string secondText = second.substr(second.rfind('\t') + 1, second.find('\n') - second.rfind('\t') - 1);
  const ToolResult stats = RunTool({"stats", kIdealGasCsv, "--rank", "2", "--rank-by", "bic"});
  ASSERT_EQ(stats.status, 0) << stats.err;
  EXPECT_EQ(stats.out.substr(0, stats.out.find('\n')), secondText);
}

class MalformedInput : public ToolFolderTest {
 protected:
  ToolResult search(const std::string& content, const std::string& name = "data.csv") {
    return RunTool({"search", write(name, content), "--quiet", "--max-terms", "2"});
  }
};

TEST_F(MalformedInput, EachFaultIsNamedWithItsLineAndColumn) {
  struct Case {
    std::string content, message;
  };
  std::string tooMany = "Y,X1\n";
  for (int i = 0; i < 100001; ++i) tooMany += std::to_string(i) + ",1\n";
  const Case cases[] = {
      {"1,2\n3,4\n", "line 1, column 1: the first line must name the columns"},
      {"Y,X1,Speed\n1,2,3\n", "line 1, column 3: unknown column name 'Speed'"},
      {"Y,X1\n1,2\n3,abc\n", "line 3, column 2: 'abc' is not a number"},
      {"Y,X1\n1,2\n3,1e999\n", "line 3, column 2: '1e999' is not a number"},
      {"Y,X1\n1,2\n3,0x10\n", "line 3, column 2: '0x10' is not a number"},
      {"Y,X1\n\"1,306\",2.5\n", "line 2, column 1: '1,306' is not a number (--decimal-comma and --thousands"},
      {"Y,X1\n1,2,3\n", "line 2, column 3: the line has 3 fields"},
      {"Y,X1,X1\n", "line 1, column 3: column 'X1' is named twice"},
      {tooMany, "the text holds 100001 rows of data, but a sheet holds at most 100000"},
      {"Y,X1\n", "the text holds no rows of data"},
      {"Y,X1,X2,X3,X4,X5,X6,X7,X8,X9,X10,X11,X12,X13,X14,X15,X16,X17\n", "18 columns, but a sheet has at most 17"},
      {"", "the file is empty"},
  };
  for (const Case& c : cases) {
    const ToolResult result = search(c.content);
    EXPECT_EQ(result.status, 1) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  }
}

// The tool speaks of the file, not of the program's tabs.
TEST_F(MalformedInput, FewerThanTwoPointsAreNamedWithTheFile) {
  const ToolResult result = search("Y\tX1\n1.5\t2\n\t3\n4\t5\n", "data.tsv");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err,
            "'" + path("data.tsv") + "' has fewer than two points: a search uses the rows before the first empty Y\n");
}

TEST_F(MalformedInput, AFileThatCannotBeReadIsReported) {
  const ToolResult result = RunTool({"search", folder + "/missing.csv"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("cannot open"), std::string::npos);
  EXPECT_NE(RunTool({"search", folder + "/data.xls"}).status, 0);
}

}  // namespace
}  // namespace rv::testing
