#include "app/open_file_guard.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>

namespace rv {

namespace {

std::string UserName() {
  const passwd* entry = ::getpwuid(::getuid());
  return entry != nullptr ? entry->pw_name : std::to_string(::getuid());
}

std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "localhost";
  return name;
}

}  // namespace

OpenFileGuard::OpenFileGuard() : self_{UserName(), HostName(), static_cast<int>(::getpid())} {}

OpenFileGuard::~OpenFileGuard() { release(); }

bool OpenFileGuard::openElsewhere(const std::string& path) const {
  if (holdsLock_ && path == path_) return false;
  const std::optional<LockOwner> owner = ReadLockFile(path);
  return owner && LockIsLive(*owner, self_.host);
}

bool OpenFileGuard::changedOnDisk(const std::string& path) const {
  if (path != path_ || !identity_) return false;
  // A file deleted since is no work of anyone's that a save could destroy.
  const std::optional<DiskIdentity> now = DiskIdentityOf(path);
  return now && *now != *identity_;
}

void OpenFileGuard::adopt(const std::string& path) {
  if (path != path_) release();
  path_ = path;
  identity_ = DiskIdentityOf(path);
  if (holdsLock_) return;
  // A window that opened the file anyway leaves the other window's lock alone.
  const std::optional<LockOwner> owner = ReadLockFile(path);
  if (!owner || !LockIsLive(*owner, self_.host)) holdsLock_ = WriteLockFile(path, self_);
}

void OpenFileGuard::release() {
  if (holdsLock_) RemoveLockFile(path_, self_);
  holdsLock_ = false;
  path_.clear();
  identity_.reset();
}

}  // namespace rv
