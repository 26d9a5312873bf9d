#pragma once

#include <optional>
#include <string>

namespace rv {

// While a window has a data file open, a lock file beside it says so to the
// other windows: ".~lock.NAME#" in the file's folder, in the manner of the
// office suites, holding one line "user,host,pid".
struct LockOwner {
  std::string user;
  std::string host;
  int processId = 0;
  friend bool operator==(const LockOwner&, const LockOwner&) = default;
};

std::string LockFilePath(const std::string& dataPath);

// The owner a lock names; nothing when there is no lock or it is not one.
std::optional<LockOwner> ReadLockFile(const std::string& dataPath);

// A lock of a process of this host that has ended is stale; one of another
// host cannot be checked and counts as live.
bool LockIsLive(const LockOwner& owner, const std::string& thisHost);

// Writes the lock beside the data file; false when it could not be written
// (a read-only folder: the file then opens without one).
bool WriteLockFile(const std::string& dataPath, const LockOwner& owner);

// Removes the lock when it is still the one owner made.
void RemoveLockFile(const std::string& dataPath, const LockOwner& owner);

}  // namespace rv
