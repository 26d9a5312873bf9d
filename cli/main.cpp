#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  regrovantis-cli count  --vars N [--max-terms M] [--sets 1,2,...]\n"
    "  regrovantis-cli equation ORDINAL --vars N [--max-terms M] [--sets ...]\n"
    "  regrovantis-cli search FILE [--max-terms M] [--sets ...] [--top K] [--threads T]\n"
    "                              [--engine fast|reference] [--json] [--quiet]\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    std::fputs(kUsage, arguments.empty() ? stderr : stdout);
    return arguments.empty() ? 2 : 0;
  }
  const std::string& command = arguments[0];
  const std::vector<std::string> words(arguments.begin() + 1, arguments.end());
  try {
    if (command == "count") return rv::cli::RunCountCommand(words);
    if (command == "equation") return rv::cli::RunEquationCommand(words);
    if (command == "search") return rv::cli::RunSearchCommand(words);
    std::fprintf(stderr, "regrovantis-cli: unknown command '%s'\n%s", command.c_str(), kUsage);
    return 2;
  } catch (const rv::cli::CliError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return error.exitStatus;
  }
}
