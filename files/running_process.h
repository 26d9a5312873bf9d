#pragma once

namespace rv {

// Whether a process of that id runs on this machine (one that may not be
// signalled, another user's, runs too).
bool ProcessIsRunning(int processId);

}  // namespace rv
