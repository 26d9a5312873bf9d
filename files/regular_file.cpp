#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/file_kind.h"

namespace rv {

FileRead ReadRegularFile(const std::string& path, std::size_t limit, BeyondLimit beyond, LinkAtPath link) {
  FileRead result;
  // Opening a FIFO without O_NONBLOCK waits for a writer.
  const int noFollow = link == LinkAtPath::Refuse ? O_NOFOLLOW : 0;
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | noFollow);
  if (descriptor < 0 && noFollow != 0 && errno == ELOOP) {
    result.failure = FileReadFailure::NotRegular;
    result.reason = "a symbolic link";
    return result;
  }
  if (descriptor < 0) {
    result.failure = FileReadFailure::CannotOpen;
    result.reason = std::strerror(errno);
    return result;
  }
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) {
    result.failure = FileReadFailure::Unreadable;
    result.reason = std::strerror(errno);
  } else if (!S_ISREG(status.st_mode)) {
    result.failure = FileReadFailure::NotRegular;
    result.reason = SpecialFileKind(status.st_mode);
  } else if (static_cast<std::uintmax_t>(status.st_size) > limit && beyond == BeyondLimit::Refuse) {
    result.failure = FileReadFailure::TooLarge;
  }
  // Room for the whole file at once: growing by doubling would hold it
  // about twice on its way. The size can change while we read: never take
  // more than limit + 1 bytes.
  if (result.failure == FileReadFailure::None)
    result.bytes.reserve(std::min<std::uintmax_t>(static_cast<std::uintmax_t>(status.st_size), limit) + 1);
  char chunk[65536];
  while (result.failure == FileReadFailure::None && result.bytes.size() <= limit) {
    const std::size_t wanted = std::min(sizeof chunk, limit + 1 - result.bytes.size());
    const ssize_t got = ::read(descriptor, chunk, wanted);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      result.failure = FileReadFailure::Unreadable;
      result.reason = std::strerror(errno);
    }
    if (got <= 0) break;
    result.bytes.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(descriptor);
  if (result.failure != FileReadFailure::None) {
    result.bytes.clear();
    return result;
  }
  result.longer = result.bytes.size() > limit;
  if (result.longer) result.bytes.resize(limit);
  if (result.longer && beyond == BeyondLimit::Refuse) {
    result.failure = FileReadFailure::TooLarge;
    result.bytes.clear();
  }
  return result;
}

Outcome<std::string> ReadBoundedFile(const std::string& path, std::size_t limit, const std::string& whyLimit) {
  FileRead read = ReadRegularFile(path, limit);
  const auto failure = [](std::string text) { return Message{std::move(text), MessageKind::Error}; };
  switch (read.failure) {
    case FileReadFailure::None: return std::move(read.bytes);
    case FileReadFailure::CannotOpen: return failure("cannot open '" + path + "': " + read.reason);
    case FileReadFailure::NotRegular: return failure("'" + path + "' is " + read.reason + ", not a file");
    case FileReadFailure::TooLarge:
      return failure("'" + path + "' is larger than " + SizeLimitText(limit) + "; " + whyLimit);
    case FileReadFailure::Unreadable: return failure("cannot read '" + path + "': " + read.reason);
  }
  return failure("cannot read '" + path + "'");
}

std::string SizeLimitText(std::size_t limit) {
  constexpr std::size_t kKilobyte = 1024;
  constexpr std::size_t kMegabyte = kKilobyte * kKilobyte;
  if (limit >= kMegabyte && limit % kMegabyte == 0) return std::to_string(limit / kMegabyte) + " MB";
  if (limit >= kKilobyte && limit % kKilobyte == 0) return std::to_string(limit / kKilobyte) + " KB";
  return std::to_string(limit) + " bytes";
}

}  // namespace rv
