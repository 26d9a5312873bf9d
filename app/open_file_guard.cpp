#include "app/open_file_guard.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "files/file_paths.h"
#include "files/running_process.h"

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

// The guards of this process's windows; windows are made and closed on the
// user interface thread only.
std::vector<OpenFileGuard*>& Guards() {
  static std::vector<OpenFileGuard*> guards;
  return guards;
}

int NextWindowNumber() {
  static int last = 0;
  return ++last;
}

}  // namespace

OpenFileGuard::OpenFileGuard()
    : self_{UserName(), HostName(), static_cast<int>(::getpid()), NextWindowNumber(),
            ProcessStartStamp(static_cast<int>(::getpid()))} {
  Guards().push_back(this);
}

OpenFileGuard::~OpenFileGuard() {
  release();
  std::erase(Guards(), this);
}

bool OpenFileGuard::openElsewhere(const std::string& path) const {
  if (holdsLock_ && path == path_) return false;
  for (const OpenFileGuard* other : Guards())
    if (other != this && other->path_ == path) return true;
  const LockReading reading = ReadLockFile(path);
  return reading.state == LockReading::State::Owned && reading.owner != self_ && LockIsLive(reading.owner, self_.host);
}

bool OpenFileGuard::changedOnDisk(const std::string& path) const {
  if (path != path_ || !identity_) return false;
  // A file deleted since is no work of anyone's that a save could destroy.
  const std::optional<DiskIdentity> now = DiskIdentityOf(path);
  return now && *now != *identity_;
}

std::optional<std::string> OpenFileGuard::adopt(const std::string& path) {
  return adoptKept(path, DiskIdentityOf(path));
}

std::optional<std::string> OpenFileGuard::adoptKept(const std::string& path,
                                                    const std::optional<DiskIdentity>& identity) {
  if (path != path_) release();
  path_ = path;
  identity_ = identity;
  return lock();
}

// A window that opened the file anyway leaves the other window's lock alone;
// a folder where nothing can be written leaves the file unlocked, as any
// file there is.
std::optional<std::string> OpenFileGuard::lock() {
  if (holdsLock_) return std::nullopt;
  const LockAttempt attempt = TakeLockFile(path_, self_);
  holdsLock_ = attempt.result == LockAttempt::Result::Taken ||
               (attempt.result == LockAttempt::Result::Held && attempt.holder == self_);
  if (attempt.result != LockAttempt::Result::Foreign) return std::nullopt;
  const std::string name = FileNameOfPath(path_);
  return "'" + name + "' is open without a lock: '" + FileNameOfPath(LockFilePath(path_)) + "' beside it is " +
         attempt.reason + ", not a lock file of Regrovantis. It was left as it is, and other windows that open '" +
         name + "' will not be warned that it is open here.";
}

void OpenFileGuard::release() {
  if (holdsLock_) {
    const auto heir = std::find_if(Guards().begin(), Guards().end(), [this](const OpenFileGuard* other) {
      return other != this && other->path_ == path_ && !other->holdsLock_;
    });
    if (heir != Guards().end() && HandOverLockFile(path_, self_, (*heir)->self_)) (*heir)->holdsLock_ = true;
    else RemoveLockFile(path_, self_);
  }
  holdsLock_ = false;
  path_.clear();
  identity_.reset();
}

}  // namespace rv
