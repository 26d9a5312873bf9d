// regrovantis-graph: the graph command of regrovantis-cli, which hands its
// words over. It is a program of its own because drawing needs QtGui and
// QtSvg, and a machine that only searches should need neither.

#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/run_command.h"

int main(int argc, char** argv) {
  return rv::cli::RunCommand(rv::cli::RunGraphCommand, std::vector<std::string>(argv + 1, argv + argc));
}
