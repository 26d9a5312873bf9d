#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "run_tool.h"

namespace rv::testing {
namespace {

const std::string kLargeSearch = std::string(REGROVANTIS_SOURCE_DIR) + "/bench/synthetic_15.csv";

using BadInput = ToolFolderTest;

bool Mentions(const ToolResult& result, const std::string& text) { return result.err.find(text) != std::string::npos; }

TEST_F(BadInput, OnlyRegularFilesOfASensibleSizeAreRead) {
  ASSERT_EQ(mkfifo(path("x.csv").c_str(), 0600), 0);
  ASSERT_EQ(symlink("/dev/zero", path("zero.csv").c_str()), 0);
  ASSERT_EQ(mkdir(path("sheet.csv").c_str(), 0700), 0);
  write("huge.csv", "Y,X1\n" + std::string(65 << 20, ' '));
  const std::pair<const char*, const char*> refusals[] = {{"x.csv", "is a pipe"},
                                                          {"zero.csv", "is a device"},
                                                          {"sheet.csv", "is a folder"},
                                                          {"huge.csv", "larger than 64 MB"}};
  for (const auto& [name, message] : refusals) {
    const ToolResult result = RunTool({"search", path(name), "--quiet"});
    EXPECT_EQ(result.status, 1) << name;
    EXPECT_TRUE(Mentions(result, message)) << result.err;
    EXPECT_FALSE(Mentions(result, "empty")) << result.err;
  }
}

// A field that is no number is quoted, cut short and with its control
// characters and NUL bytes escaped, at its place; a line too long to read
// is refused in a short message that does not quote it.
TEST_F(BadInput, ABadFieldIsQuotedShortAndEscaped) {
  const struct {
    std::string content, message;
  } fields[] = {
      {"Y,X1\n1," + std::string(100000, '7') + "x\n", "line 2: longer than"},
      {"Y,X1\n1," + std::string(3000, '7') + "x\n", "line 2, column 2: '777777777777777777777777'... is not a number"},
      {"Y,X1\n1,\x1b[2J\n", "'\\x1B[2J' is not a number"},
      {std::string("Y,X1\n1,2\n3,1\0999\n4,5\n", 20), "line 3, column 2: '1\\x00999' is not a number"},
  };
  for (const auto& field : fields) {
    const ToolResult result = RunTool({"search", write("field.csv", field.content), "--quiet"});
    EXPECT_EQ(result.status, 1) << field.message;
    EXPECT_TRUE(Mentions(result, field.message)) << result.err.substr(0, 200);
    if (field.content.size() > 100000) EXPECT_LT(result.err.size(), 200u) << "the long line is not quoted";
  }
}

TEST_F(BadInput, OutputThatCannotBeWrittenFailsTheCommand) {
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"search", kIdealGasCsv, "--top", "5", "--quiet"},
        std::vector<std::string>{"count", "--vars", "3"},
        std::vector<std::string>{"stats", kIdealGasCsv, "--ordinal", "3"}}) {
    const ToolResult result = RunTool(command, {.standardOutput = "/dev/full"});
    EXPECT_EQ(result.status, 1) << command[0];
    EXPECT_TRUE(Mentions(result, "cannot write the output")) << result.err;
  }
}

TEST_F(BadInput, DataTheSearchLeavesOutIsNamedWithTheReason) {
  // X2 is empty in the third point: X2 and X3 take no part, each for its
  // own reason; Y is empty in row 5, so it and the row after it take no
  // part either. Each is said once.
  const std::string sheet = write("gaps.csv", "Y,X1,X2,X3\n1,2,3,4\n2,3,4,5\n3,4,,6\n4,5,6,7\n,1,1,1\n6,7,8,9\n");
  const ToolResult result = RunTool({"search", sheet, "--quiet", "--max-terms", "2"});
  EXPECT_EQ(result.status, 0) << result.err;
  const std::string columns =
      "warning: X2 takes no part: it is empty in row 3\n"
      "warning: X3 takes no part: it comes after X2, which is empty in row 3\n";
  EXPECT_EQ(result.err, "warning: Rows 5 to 6 take no part: Y is empty in row 5\n" + columns);
  const ToolResult stats = RunTool({"stats", sheet, "--ordinal", "1", "--max-terms", "2"});
  EXPECT_TRUE(Mentions(stats, columns)) << stats.err;

  std::string header = "Y", row = "1";
  for (int c = 1; c <= 16; ++c) {
    header += ",X" + std::to_string(c);
    row += "," + std::to_string(c);
  }
  const ToolResult full = RunTool({"search", write("full.csv", header + "\n" + row + "\n2" + row.substr(1) + "\n"),
                                   "--quiet", "--max-terms", "1", "--sets", "1"});
  EXPECT_TRUE(Mentions(full, "warning: X16 takes no part: a search uses at most X1 to X15")) << full.err;

  const ToolResult clean = RunTool({"search", kIdealGasCsv, "--quiet", "--max-terms", "1"});
  EXPECT_FALSE(Mentions(clean, "warning")) << clean.err;
}

TEST_F(BadInput, ASheetWithoutAnXVariableIsRefusedLikeStats) {
  const std::string sheet = write("no_x.csv", "Y,X1,X2\n1,,3\n2,,4\n3,,5\n");
  const ToolResult search = RunTool({"search", sheet, "--quiet"});
  const ToolResult stats = RunTool({"stats", sheet, "--ordinal", "1"});
  EXPECT_EQ(search.status, 1);
  EXPECT_EQ(stats.status, 1);
  EXPECT_TRUE(Mentions(search, "has no X variable to regress on")) << search.err;
  EXPECT_EQ(search.err.substr(search.err.find('\'')), stats.err.substr(stats.err.find('\'')));
  EXPECT_TRUE(search.out.empty());
}

TEST_F(BadInput, ASaveThatFailsSaysWhy) {
  const ToolResult result = RunTool({"convert", kIdealGasCsv, "/proc/regrovantis.rvd"});
  EXPECT_EQ(result.status, 1);
  EXPECT_FALSE(Mentions(result, "disk space")) << result.err;
  EXPECT_TRUE(Mentions(result, "Error opening output data file")) << result.err;
}

// Every option is checked before any work: an option given twice, or a
// value that no command could use, is refused at once, even where the
// search it comes with would take minutes (Maximum Terms 20 of 15
// variables); and a file's name is written with every control character
// escaped, its line ends and tabs too.
TEST_F(BadInput, TheCommandLineIsCheckedBeforeAnyWork) {
  const struct {
    std::vector<std::string> words;
    std::string message;
  } refusals[] = {
      {{"search", kIdealGasCsv, "--top", "5", "--top", "7"}, "option --top is given twice"},
      {{"search", kIdealGasCsv, "--json", "--quiet", "--json"}, "option --json is given twice"},
      {{"search", kIdealGasCsv, "--sep=;", "--sep", ","}, "option --sep is given twice"},
      {{"search", folder + "/absent.csv", "--top", "0"}, "--top must be a whole number from 1 to 1000, not '0'"},
      {{"search", kLargeSearch, "--max-terms", "20", "--threads", "x"}, "--threads must be a whole number"},
      {{"search", kLargeSearch, "--sep", "|"}, "--sep must be ',', ';', tab or space, not '|'"},
      {{"stats", folder + "/absent.csv", "--rank", "1", "--rank-by", "best"}, "--rank-by must be r2, adj-r2"},
      {{"stats", kIdealGasCsv, "--ordinal", "x"}, "--ordinal must be a whole number"},
      {{"stats", kLargeSearch, "--rank", "1001"}, "--rank must be a whole number from 1 to 1000"},
      {{"graph", kLargeSearch, "--max-terms", "20", "--vars", "X1", "--angles", "30,200", "--data"},
       "the vertical angle must be a whole number from -180 to 180, not '200'"},
      {{"graph", kLargeSearch, "--max-terms", "20", "--vars", "X1,X2,X3", "--data"},
       "--vars takes one variable for a curve or two for a surface"},
      {{"merge", folder + "/absent.json", "--top", "5000"}, "--top must be a whole number"},
  };
  for (const auto& refusal : refusals) {
    const ToolResult result = RunTool(refusal.words);
    EXPECT_EQ(result.status, refusal.message.starts_with("--vars") ? 1 : 2) << refusal.message;
    EXPECT_TRUE(Mentions(result, refusal.message)) << result.err;
    EXPECT_FALSE(Mentions(result, "graphing the best")) << "no search was made";
  }

  const std::string named = folder + "/line\nend\tand\x1b[2J.rvd";
  const std::string escaped = folder + "/line\\x0Aend\\x09and\\x1B[2J.rvd";
  const ToolResult missing = RunTool({"stats", named});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Error opening input data file\n" + escaped + "\n") << missing.err;
  const ToolResult text = RunTool({"search", named.substr(0, named.size() - 4) + ".csv", "--quiet"});
  EXPECT_TRUE(Mentions(text, "cannot open '" + escaped.substr(0, escaped.size() - 4) + ".csv'")) << text.err;
  const ToolResult out = RunTool({"convert", kIdealGasCsv, folder + "/no\nfolder/x.rvd"});
  EXPECT_TRUE(Mentions(out, folder + "/no\\x0Afolder/x.rvd")) << out.err;
  EXPECT_FALSE(Mentions(out, "no\nfolder")) << out.err;
}

TEST(Interrupt, CtrlCEndsTheSearchWithWhatItFoundAndStatus130) {
  const ToolResult result = RunTool({"search", kLargeSearch, "--max-terms", "20", "--threads", "1", "--json"},
                                    {.standardOutput = {}, .interruptOnProgress = true});
  EXPECT_EQ(result.status, 130) << result.err;
  EXPECT_NE(result.out.find("\"stopped\": true"), std::string::npos) << result.out.substr(0, 400);
  const auto number = [&](const std::string& key) {
    const size_t at = result.out.find("\"" + key + "\": ");
    return at == std::string::npos ? -1LL : std::stoll(result.out.substr(at + key.size() + 4));
  };
  EXPECT_GT(number("candidates"), number("examined"));
  EXPECT_GE(number("examined"), 0);
}

}  // namespace
}  // namespace rv::testing
