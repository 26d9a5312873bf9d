#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "files/file_paths.h"

namespace rv {

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// The file a symbolic link names, so that saving through the link updates it.
std::string ResolveLink(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  return error ? path : target.string();
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

bool WriteAll(int descriptor, std::span<const std::uint8_t> content) {
  while (!content.empty()) {
    const ssize_t written = ::write(descriptor, content.data(), content.size());
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

std::optional<std::string> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> content) {
  const std::string target = ResolveLink(path);
  // A file the user may not write to is not replaced behind their back.
  if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return SystemReason(errno);
  std::string temporaryPath;
  const int descriptor = CreateTemporaryFile(target, temporaryPath);
  if (descriptor < 0) return SystemReason(errno);

  struct stat existing {};
  bool ok = true;
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
    ok = ::fchmod(descriptor, existing.st_mode & 07777) == 0;
  ok = ok && WriteAll(descriptor, content) && ::fsync(descriptor) == 0;
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
  return std::nullopt;
}

}  // namespace rv
