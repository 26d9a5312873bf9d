#pragma once

#include <string>

namespace rv::cli {

// An output path that leads to a device, a pipe or a folder is refused
// before any work is done: throws CliError (status 1) saying what it is.
void RequireWritableTarget(const std::string& path);

}  // namespace rv::cli
