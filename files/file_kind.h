#pragma once

#include <sys/types.h>

namespace rv {

// What a file that is not a regular file is, in the words messages use: "a
// folder", "a pipe", "a device", "a socket" or "a special file".
const char* SpecialFileKind(mode_t mode);

}  // namespace rv
