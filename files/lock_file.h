#pragma once

#include <cstdint>
#include <string>

#include "base/outcome.h"

namespace rv {

// While a window has a data file open, a lock file beside it says so to the
// other windows: ".~lock.NAME#" in the file's folder, in the manner of the
// office suites, holding one line "user,host,pid,window,start": the process
// with its start stamp (running_process.h) and the window of that process.
// A lock of an older version holds "user,host,pid" and reads with window
// and start 0.
struct LockOwner {
  std::string user;
  std::string host;
  int processId = 0;
  int window = 0;
  std::uint64_t processStart = 0;
  friend bool operator==(const LockOwner&, const LockOwner&) = default;
};

std::string LockFilePath(const std::string& dataPath);

// What stands where the lock goes. Anyone who can write to the folder can
// put something there, so it is read without following a link or waiting
// on a pipe; whatever is not a small regular file holding an owner's line
// is foreign, and `foreign` says what it is ("a symbolic link", "a pipe",
// "larger than 1 KB", "not a lock's line").
struct LockReading {
  enum class State { None, Owned, Foreign } state = State::None;
  LockOwner owner;      // when Owned
  std::string foreign;  // when Foreign
};

LockReading ReadLockFile(const std::string& dataPath);

// A lock of a process of this host that has ended, or whose id now belongs
// to a later process, is stale; one of another host cannot be checked and
// counts as live.
bool LockIsLive(const LockOwner& owner, const std::string& thisHost);

// More than an outcome: a lock held by another names its holder, whom the
// user is told of, and each way of not taking it is answered differently.
struct [[nodiscard]] LockAttempt {
  enum class Result {
    Taken,       // the lock names owner now
    Held,        // a live lock names holder
    Foreign,     // something else is in its place (reason says what); it is left as it is
    Unwritable,  // no file can be made there (a read-only folder; reason in the system's words)
  } result = Result::Taken;
  LockOwner holder;
  std::string reason;
};

// Takes the lock for owner. The file is made exclusively and never through a
// link, so two programs cannot both take it and nothing is written where a
// link points; a stale lock is replaced, anything foreign is never written
// or removed.
LockAttempt TakeLockFile(const std::string& dataPath, const LockOwner& owner);

// Hands the lock that names `from` to `to`, in one step (the new line goes
// into a file of its own, renamed over the lock); fails, changing nothing,
// when the lock does not name `from`.
Outcome<void> HandOverLockFile(const std::string& dataPath, const LockOwner& from, const LockOwner& to);

// Removes the lock when it still is the one owner made.
void RemoveLockFile(const std::string& dataPath, const LockOwner& owner);

}  // namespace rv
