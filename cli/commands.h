#pragma once

#include <string>
#include <vector>

namespace rv::cli {

// Each command takes the words after its name and returns the exit status.
int RunCountCommand(const std::vector<std::string>& words);
int RunEquationCommand(const std::vector<std::string>& words);
int RunSearchCommand(const std::vector<std::string>& words);
int RunMergeCommand(const std::vector<std::string>& words);
int RunStatsCommand(const std::vector<std::string>& words);
int RunCodeCommand(const std::vector<std::string>& words);
int RunConvertCommand(const std::vector<std::string>& words);
int RunGraphCommand(const std::vector<std::string>& words);

// regrovantis-cli's graph command: draws through regrovantis-graph, the tool
// linked apart with the desktop libraries, so that searching needs none.
int RunGraphTool(const std::vector<std::string>& words);

}  // namespace rv::cli
