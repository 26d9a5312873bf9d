#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_tool.h"

namespace rv::testing {
namespace {

const std::string kLabFile = REGROVANTIS_SOURCE_DIR "/tests/data/import/pendulum.csv";

using Conventions = ToolFolderTest;

TEST_F(Conventions, EveryCommandAnswersHelpAndTheToolItsVersion) {
  for (const char* command : {"count", "equation", "search", "stats", "code", "convert", "graph"})
    for (const char* option : {"--help", "-h"}) {
      const ToolResult result = RunTool({command, option});
      EXPECT_EQ(result.status, 0) << command << " " << option << ": " << result.err;
      EXPECT_EQ(result.out.rfind(std::string("usage: regrovantis-cli ") + command, 0), 0u) << result.out;
    }
  EXPECT_NE(RunTool({"search", "--help"}).out.find("--decimal-comma"), std::string::npos);
  const ToolResult version = RunTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("regrovantis-cli ", 0), 0u);
}

// "-" reads standard input, comma- or tab-separated by its content, and
// gives the same list as the file; the graph's picture goes to standard
// output as the same PNG bytes.
TEST_F(Conventions, StandardInputAndOutputStandForFiles) {
  const std::vector<std::string> search = {"search", kIdealGasCsv, "--quiet", "--top", "3", "--max-terms", "3"};
  const ToolResult fromFile = RunTool(search);
  std::vector<std::string> fromStandardInput = search;
  fromStandardInput[1] = "-";
  EXPECT_EQ(RunTool(fromStandardInput, {.standardInput = kIdealGasCsv}).out, fromFile.out);
  std::string tabs = ReadFile(kIdealGasCsv);
  for (char& c : tabs)
    if (c == ',') c = '\t';
  EXPECT_EQ(RunTool(fromStandardInput, {.standardInput = write("tabs.txt", tabs)}).out, fromFile.out);

  const std::string picture = path("g.png");
  ASSERT_EQ(RunTool({"graph", kIdealGasCsv, "--ordinal", "43068", "--vars", "X1", "--out", picture}).status, 0);
  const ToolResult piped = RunTool({"graph", kIdealGasCsv, "--ordinal", "43068", "--vars", "X1", "--out", "-"});
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, ReadFile(picture));
}

// Control characters of a file name or of a file's content never reach the
// terminal; they are written \xHH.
TEST_F(Conventions, FileNamesAndInputTextsAreEscapedInMessages) {
  const ToolResult missing = RunTool({"search", folder + "/a\x1b[31mb.csv"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("a\\x1B[31mb.csv"), std::string::npos) << missing.err;
  EXPECT_EQ(missing.err.find('\x1b'), std::string::npos);
  const ToolResult field = RunTool({"search", write("e\x1b]0;x\x07.csv", "Y;X1\n1;\x1b[2J\n"), "--sep", ";"});
  EXPECT_EQ(field.err.find('\x1b'), std::string::npos) << field.err;
  EXPECT_NE(field.err.find("e\\x1B]0;x\\x07.csv': line 2, column 2: '\\x1B[2J' is not a number"), std::string::npos)
      << field.err;
  const ToolResult command = RunTool({"\x1b[2Jsearch"});
  EXPECT_EQ(command.status, 2);
  EXPECT_EQ(command.err.find('\x1b'), std::string::npos);
}

// The lab file as instruments write it, by the options and by detection,
// gives the same sheet: its names, the units row skipped, all 120 rows.
TEST_F(Conventions, TheLabFileReadsByOptionsOrByDetection) {
  const std::string byOptions = path("options.csv"), detected = path("detected.csv");
  EXPECT_EQ(RunTool({"convert", kLabFile, byOptions, "--sep", ";", "--decimal-comma", "--skip", "1"}).status, 0);
  EXPECT_EQ(RunTool({"convert", kLabFile, detected, "--keep-first"}).status, 0);
  const std::string sheet = ReadFile(byOptions);
  EXPECT_EQ(sheet, ReadFile(detected));
  EXPECT_EQ(sheet.rfind("Y,X1\n0.20000000000000001,0.89439999999999997\n", 0), 0u) << sheet.substr(0, 80);
  EXPECT_EQ(std::count(sheet.begin(), sheet.end(), '\n'), 121);

  const ToolResult swapped = RunTool(
      {"search", kLabFile, "--keep-first", "--y", "Period", "--x", "1", "--quiet", "--max-terms", "2", "--top", "1"});
  EXPECT_EQ(swapped.status, 0) << swapped.err;
  EXPECT_EQ(RunTool({"search", kLabFile, "--y", "Mass"}).err,
            "--y names no column: 'Mass'. The names in line 1, split at ';', are 'Length', 'Period' (--sep splits at "
            "another separator, --names takes another line); give one of them or its number from 1 to 2\n");
}

}  // namespace
}  // namespace rv::testing
