#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"

namespace rv::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kGraphToolName = "regrovantis-graph";

// The graph tool lies beside this one in the build folder, and where
// make install puts it, relative to the installed tool's folder.
std::vector<fs::path> GraphToolPlaces() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  // Never a path relative to the current folder, which may hold anything.
  if (error || !self.is_absolute())
    throw CliError("regrovantis-cli: cannot find its own folder to start " + std::string(kGraphToolName), 1);
  const fs::path folder = self.parent_path();
  return {folder / kGraphToolName, (folder / REGROVANTIS_GRAPH_TOOL_FOLDER / kGraphToolName).lexically_normal()};
}

}  // namespace

int RunGraphTool(const std::vector<std::string>& words) {
  const std::vector<fs::path> places = GraphToolPlaces();
  for (const fs::path& place : places) {
    if (access(place.c_str(), F_OK) != 0) continue;
    std::vector<std::string> arguments = {kGraphToolName};
    arguments.insert(arguments.end(), words.begin(), words.end());
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(place.c_str(), argv.data());
    throw CliError("regrovantis-cli: cannot start " + place.string() + ": " + std::strerror(errno), 1);
  }
  throw CliError("regrovantis-cli: graph draws through " + std::string(kGraphToolName) +
                     ", which is not installed here (neither " + places[0].string() + " nor " + places[1].string() +
                     "); make install puts it in place. The other commands do not need it.",
                 1);
}

}  // namespace rv::cli
