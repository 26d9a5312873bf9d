#pragma once

#include <string>
#include <vector>

namespace rv::cli {

using CommandFunction = int (*)(const std::vector<std::string>& words);

// Runs one command on the words after its name, as every tool of the
// program does: a CliError is printed on standard error, control characters
// escaped, and its status returned; a failed write of the output fails the
// command.
int RunCommand(CommandFunction run, const std::vector<std::string>& words);

// A command whose output could not be written has failed, whatever it
// computed: a full disk must not look like an empty result.
int CheckOutputWritten(int status);

}  // namespace rv::cli
