#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace rv::testing {

struct ToolResult {
  int status = -1;
  std::string out;
  std::string err;
  long peakKilobytes = 0;  // the most memory the tool held at once (its largest resident set)
};

struct ToolRun {
  std::string standardOutput;        // where standard output goes; empty: collected into ToolResult::out
  std::string standardInput;         // the file standard input reads; empty: the caller's
  bool interruptOnProgress = false;  // Ctrl+C (SIGINT) once the tool has written to standard error
};

// Runs regrovantis-cli with these arguments and collects what it printed.
ToolResult RunTool(const std::vector<std::string>& arguments, const ToolRun& run = {});

// A fresh folder under the system's temporary folder, removed by the caller.
std::string MakeTemporaryFolder();
void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);

inline const std::string kIdealGasCsv = REGROVANTIS_SOURCE_DIR "/examples/ideal_gas.csv";
inline const std::string kIdealGasRvd = REGROVANTIS_SOURCE_DIR "/examples/ideal_gas.rvd";

// Set I of Anscombe's quartet; ordinal 3 of one variable is Y = aX1 + b.
inline constexpr char kAnscombe[] =
    "Y,X1\n8.04,10\n6.95,8\n7.58,13\n8.81,9\n8.33,11\n9.96,14\n7.24,6\n4.26,4\n10.84,12\n4.82,7\n5.68,5\n";

// A test with a fresh folder of its own, removed with all it holds.
class ToolFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { folder = MakeTemporaryFolder(); }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::string path(const std::string& name) const { return folder + "/" + name; }
  // Writes a file of the folder and returns its path.
  std::string write(const std::string& name, const std::string& content) const {
    WriteFile(path(name), content);
    return path(name);
  }
  std::string folder;
};

}  // namespace rv::testing
