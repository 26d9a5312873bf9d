#pragma once

#include <optional>
#include <string>

#include "files/disk_identity.h"
#include "files/lock_file.h"

namespace rv {

// The data file a window has open, watched: what it looked like on disk when
// the window last opened or saved it, and the lock file that tells the other
// windows it is open here.
class OpenFileGuard {
 public:
  OpenFileGuard();
  ~OpenFileGuard();
  OpenFileGuard(const OpenFileGuard&) = delete;
  OpenFileGuard& operator=(const OpenFileGuard&) = delete;

  // Another window, of this program or another one still running, has the
  // file open.
  bool openElsewhere(const std::string& path) const;
  // Another program (another window included) wrote the file after this
  // window last opened or saved it.
  bool changedOnDisk(const std::string& path) const;
  // The window has just opened or saved this data file.
  void adopt(const std::string& path);
  // The window holds no data file any more: its lock goes.
  void release();

 private:
  LockOwner self_;
  std::string path_;
  std::optional<DiskIdentity> identity_;
  bool holdsLock_ = false;
};

}  // namespace rv
