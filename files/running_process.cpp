#include "files/running_process.h"

#include <signal.h>

#include <cerrno>

namespace rv {

bool ProcessIsRunning(int processId) { return processId > 0 && (::kill(processId, 0) == 0 || errno == EPERM); }

}  // namespace rv
