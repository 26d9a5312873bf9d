#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const std::vector<std::string>&);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"count", rv::cli::RunCountCommand, "count  --vars N [--max-terms M] [--sets 1,2,...]"},
    {"equation", rv::cli::RunEquationCommand, "equation ORDINAL --vars N [--max-terms M] [--sets ...]"},
    {"search", rv::cli::RunSearchCommand,
     "search FILE [--max-terms M] [--sets ...] [--rank-by r2|adj-r2|aicc|bic] [--top K]\n"
     "                         [--threads T] [--engine fast|reference] [--json] [--quiet]"},
    {"stats", rv::cli::RunStatsCommand,
     "stats  FILE [--ordinal K | --rank K [--rank-by C]] [--max-terms M] [--sets ...] [--json]"},
    {"code", rv::cli::RunCodeCommand, "code   FILE [--ordinal K] [--max-terms M] [--sets ...] --lang basic|c|cpp|fortran"},
    {"convert", rv::cli::RunConvertCommand, "convert IN OUT   (.csv/.tsv <-> .rvd)"},
#ifdef REGROVANTIS_GRAPH_COMMAND
    {"graph", rv::cli::RunGraphCommand,
     "graph  FILE [--ordinal K] [--max-terms M] [--sets ...] --vars X1[,X2] [--angles H,V]\n"
     "                         [--size N] (--out PICTURE.png | --data)"},
#endif
};

// A command whose output could not be written has failed, whatever it
// computed: a full disk must not look like an empty result.
int CheckOutputWritten(int status) {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  const int error = errno;
  if (flushed && !std::ferror(stdout)) return status;
  std::fprintf(stderr, "regrovantis-cli: cannot write the output%s%s\n", error != 0 ? ": " : "",
               error != 0 ? std::strerror(error) : "");
  return status != 0 ? status : 1;
}

void PrintUsage(std::FILE* out) {
  std::fputs("usage:\n", out);
  for (const Command& command : kCommands) std::fprintf(out, "  regrovantis-cli %s\n", command.usage);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.empty()) {
    PrintUsage(stderr);
    return 2;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    PrintUsage(stdout);
    return CheckOutputWritten(0);
  }
  const std::vector<std::string> words(arguments.begin() + 1, arguments.end());
  for (const Command& command : kCommands) {
    if (arguments[0] != command.name) continue;
    try {
      return CheckOutputWritten(command.run(words));
    } catch (const rv::cli::CliError& error) {
      std::fprintf(stderr, "%s\n", error.what());
      return error.exitStatus;
    }
  }
  std::fprintf(stderr, "regrovantis-cli: unknown command '%s'\n", arguments[0].c_str());
  PrintUsage(stderr);
  return 2;
}
