#include "cli/output_target.h"

#include "cli/command_line.h"
#include "files/atomic_file.h"

namespace rv::cli {

void RequireWritableTarget(const std::string& path) {
  if (const Outcome<void> accepted = CheckWriteTarget(path); !accepted) throw CliError(accepted.message().text, 1);
}

}  // namespace rv::cli
