#include "cli/output_target.h"

#include "cli/command_line.h"
#include "files/atomic_file.h"

namespace rv::cli {

void RequireWritableTarget(const std::string& path) {
  if (const auto refusal = TargetRefusal(path)) throw CliError(*refusal, 1);
}

}  // namespace rv::cli
