#include "cli/run_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/command_line.h"
#include "sheet/quoted_text.h"

namespace rv::cli {

namespace {

// An error for the terminal. A word of the command line that holds a control
// character (a file name with a line end in it) is written escaped wherever
// the message quotes it, line ends and tabs included, since a name is one
// line of a message; then every other control character is.
std::string TerminalMessage(std::string message, const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    const std::string escaped = EscapeControls(word, LineEnds::Escape);
    if (word.empty() || escaped == word) continue;
    for (std::size_t at = message.find(word); at != std::string::npos; at = message.find(word, at + escaped.size()))
      message.replace(at, word.size(), escaped);
  }
  return EscapeControls(message);
}

}  // namespace

int RunCommand(CommandFunction run, const std::vector<std::string>& words) {
  try {
    return CheckOutputWritten(run(words));
  } catch (const CliError& error) {
    // File names and quoted input may hold escape sequences.
    std::fprintf(stderr, "%s\n", TerminalMessage(error.what(), words).c_str());
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
