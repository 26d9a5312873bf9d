#pragma once

#include <cstdint>

namespace rv {

// A process id alone names a process only while it runs: the system gives
// the id to a later process once it has ended, routinely so in containers
// and sandboxes. Its start stamp tells the runs apart: a number made of the
// machine's boot and the moment the process started in it, 0 when the
// system does not say (no /proc).
std::uint64_t ProcessStartStamp(int processId);

// Whether the process runs on this machine (one that may not be signalled,
// another user's, runs too) and, when startStamp is not 0, is the run that
// started then, not a later process given the same id.
bool ProcessIsRunning(int processId, std::uint64_t startStamp = 0);

}  // namespace rv
