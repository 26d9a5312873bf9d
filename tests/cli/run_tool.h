#pragma once

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

}  // namespace rv::testing
