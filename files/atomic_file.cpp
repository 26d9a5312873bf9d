#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

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

// Opens a new, uniquely named file beside target; the umask applies as for
// any file the program creates.
int CreateTemporaryFile(const std::string& target, std::string& temporaryPath) {
  const std::string folder = FolderOfPath(target);
  const std::string prefix = (folder.empty() ? std::string(".") : folder) + "/." + FileNameOfPath(target) + ".";
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporaryPath = prefix + std::to_string(random() % 1000000) + ".tmp";
    const int descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
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
  return {};
}

}  // namespace rv
