#include "cli/run_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/command_line.h"
#include "sheet/quoted_text.h"

namespace rv::cli {

int RunCommand(CommandFunction run, const std::vector<std::string>& words) {
  try {
    return CheckOutputWritten(run(words));
  } catch (const CliError& error) {
    // File names and quoted input may hold escape sequences.
    std::fprintf(stderr, "%s\n", EscapeControls(error.what()).c_str());
    return error.exitStatus;
  }
}

int CheckOutputWritten(int status) {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  const int error = errno;
  if (flushed && !std::ferror(stdout)) return status;
  std::fprintf(stderr, "regrovantis-cli: cannot write the output%s%s\n", error != 0 ? ": " : "",
               error != 0 ? std::strerror(error) : "");
  return status != 0 ? status : 1;
}

}  // namespace rv::cli
