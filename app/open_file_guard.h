#pragma once

#include <optional>
#include <string>

#include "files/disk_identity.h"
#include "files/lock_file.h"

namespace rv {

// The data file a window has open, watched: what it looked like on disk when
// the window last opened or saved it, and the lock file that tells the other
// windows it is open here. Each window owns its own lock: the lock names the
// window, and when the window that holds it lets the file go while another
// window of this process still has the file open, the lock passes to that
// window instead of going.
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
  // The window has just opened or saved this data file. When something that
  // is no lock stands where the lock goes (a link, a pipe), the file stays
  // unlocked and the text says why, for the user.
  std::optional<std::string> adopt(const std::string& path);
  // The same for a kept sheet restored: the file as the window saw it when
  // the sheet was kept, so a save over a later version asks first.
  std::optional<std::string> adoptKept(const std::string& path, const std::optional<DiskIdentity>& identity);
  // The window holds no data file any more: its lock goes, or passes on.
  void release();

  // The file adopted and how it looked then; nothing when none.
  const std::optional<DiskIdentity>& identity() const { return identity_; }
  bool holdsLock() const { return holdsLock_; }

 private:
  std::optional<std::string> lock();

  LockOwner self_;
  std::string path_;
  std::optional<DiskIdentity> identity_;
  bool holdsLock_ = false;
};

}  // namespace rv
