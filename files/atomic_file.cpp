#include "files/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

#include "base/fnv1a.h"
#include "files/file_kind.h"
#include "files/file_paths.h"

namespace rv {

namespace {

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMaxLinkHops = 40;
// The content goes out in pieces of this size, so that a disk filling up
// part-way is met as it would be with any larger file.
constexpr std::size_t kWriteChunk = 64 * 1024;

Message SystemReason(int error) { return {std::strerror(error), MessageKind::Error}; }

struct FollowedPath {
  std::string path;  // the file the links lead to, or the path itself
  bool throughLink = false;
  int error = 0;  // a link that could not be read, or a loop
};

std::string BesideLink(const std::string& link, const std::string& target) {
  if (target.front() == '/') return target;
  const std::string folder = FolderOfPath(link);
  if (folder.empty()) return target;
  return folder == "/" ? "/" + target : folder + "/" + target;
}

// Follows symbolic links one by one, so that a link to a file not made yet
// still names where the file goes.
FollowedPath FollowLinks(const std::string& path) {
  FollowedPath followed{path};
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat status {};
    if (::lstat(followed.path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return followed;
    char target[4096];
    const ssize_t length = ::readlink(followed.path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) {
      followed.error = length < 0 ? errno : ENAMETOOLONG;
      return followed;
    }
    followed.path = BesideLink(followed.path, std::string(target, static_cast<std::size_t>(length)));
    followed.throughLink = true;
  }
  followed.error = ELOOP;
  return followed;
}

Outcome<void> CheckFollowed(const std::string& path, const FollowedPath& followed) {
  struct stat status {};
  if (::stat(followed.path.c_str(), &status) != 0 || S_ISREG(status.st_mode)) return {};
  return Message{"'" + path + "' " + (followed.throughLink ? "leads to " : "is ") + SpecialFileKind(status.st_mode) +
                     ", not a file",
                 MessageKind::Error};
}

// The random part of a temporary name: six digits.
constexpr int kTemporaryDigits = 6;
constexpr std::string_view kTemporaryEnd = ".tmp";

std::string FolderOrDot(const std::string& path) {
  const std::string folder = FolderOfPath(path);
  return folder.empty() ? std::string(".") : folder;
}

// The longest file name the folder takes; NAME_MAX when it does not say.
std::size_t NameLimit(const std::string& folder) {
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// The first bytes of name, at most `bytes`, never cutting a UTF-8 character.
std::string_view LeadingBytes(std::string_view name, std::size_t bytes) {
  if (name.size() <= bytes) return name;
  while (bytes > 0 && (static_cast<unsigned char>(name[bytes]) & 0xC0) == 0x80) --bytes;
  return name.substr(0, bytes);
}

// The digits follow the prefix, which TemporaryPrefix makes.
bool IsTemporaryName(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix) || !name.ends_with(kTemporaryEnd)) return false;
  const std::string_view digits = name.substr(prefix.size(), name.size() - prefix.size() - kTemporaryEnd.size());
  return !digits.empty() && digits.size() <= kTemporaryDigits &&
         digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// Opens a new, uniquely named file beside target and holds a lock on it
// while it is written, so that the cleaning of stale ones passes it by; the
// umask applies as for any file the program creates.
int CreateTemporaryFile(const std::string& target, std::string& temporaryPath) {
  const std::string prefix = FolderOrDot(target) + "/" + TemporaryPrefix(target);
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    char digits[kTemporaryDigits + 1];
    std::snprintf(digits, sizeof digits, "%06u", static_cast<unsigned>(random() % 1000000));
    temporaryPath = prefix + digits + std::string(kTemporaryEnd);
    const int descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor >= 0) ::flock(descriptor, LOCK_EX | LOCK_NB);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

// A temporary file that no writer holds any more: a save that was killed.
void RemoveIfAbandoned(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return;
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
    ::unlink(path.c_str());
  ::close(descriptor);
}

// Every temporary file of target's that a killed save left in its folder.
void RemoveAbandonedTemporaries(const std::string& target) {
  const std::string folder = FolderOrDot(target);
  const std::string prefix = TemporaryPrefix(target);
  const std::unique_ptr<DIR, int (*)(DIR*)> entries(::opendir(folder.c_str()), ::closedir);
  if (!entries) return;
  while (const dirent* entry = ::readdir(entries.get()))
    if (IsTemporaryName(entry->d_name, prefix)) RemoveIfAbandoned(folder + "/" + entry->d_name);
}

bool WriteAll(int descriptor, std::span<const std::uint8_t> content, const WriteCall& writeCall) {
  while (!content.empty()) {
    const ssize_t written = writeCall(descriptor, content.data(), std::min(content.size(), kWriteChunk));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    content = content.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// The rename itself reaches the disk only when the folder is flushed; a
// failure here leaves the new file in place, so it is not reported.
void FlushFolder(const std::string& target) {
  const std::string folder = FolderOfPath(target);
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

std::string TemporaryPrefix(const std::string& target) {
  const std::string name = FileNameOfPath(target);
  const std::size_t fixed = 2 + kTemporaryDigits + kTemporaryEnd.size();  // the dots, digits and ".tmp"
  const std::size_t limit = NameLimit(FolderOrDot(target));
  if (name.size() + fixed <= limit) return "." + name + ".";
  // "~" and 16 hex digits of the whole name's hash stand for its end.
  char hash[18];
  std::snprintf(hash, sizeof hash, "~%016llx", static_cast<unsigned long long>(Fnv1a64(name)));
  const std::size_t room = limit > fixed + 17 ? limit - fixed - 17 : 0;
  return "." + std::string(LeadingBytes(name, room)) + hash + ".";
}

Outcome<void> CheckWriteTarget(const std::string& path) {
  const FollowedPath followed = FollowLinks(path);
  if (followed.error != 0) return {};
  return CheckFollowed(path, followed);
}

Outcome<void> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> content) {
  return WriteFileAtomically(path, content, ::write);
}

Outcome<void> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> content,
                                  const WriteCall& writeCall) {
  const FollowedPath followed = FollowLinks(path);
  if (followed.error != 0) return SystemReason(followed.error);
  if (Outcome<void> accepted = CheckFollowed(path, followed); !accepted) return accepted;
  const std::string& target = followed.path;
  // A file the user may not write to is not replaced behind their back.
  if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return SystemReason(errno);
  std::string temporaryPath;
  const int descriptor = CreateTemporaryFile(target, temporaryPath);
  if (descriptor < 0) return SystemReason(errno);

  struct stat existing {};
  bool ok = true;
  if (::stat(target.c_str(), &existing) == 0) ok = ::fchmod(descriptor, existing.st_mode & 07777) == 0;
  ok = ok && WriteAll(descriptor, content, writeCall) && ::fsync(descriptor) == 0;
  int error = ok ? 0 : errno;
  if (::close(descriptor) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temporaryPath.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temporaryPath.c_str());
    return SystemReason(error);
  }
  FlushFolder(target);
  RemoveAbandonedTemporaries(target);
  return {};
}

}  // namespace rv
