#include "files/lock_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <random>
#include <string_view>
#include <vector>

#include "files/file_paths.h"
#include "files/regular_file.h"
#include "files/running_process.h"

namespace rv {

namespace {

constexpr std::size_t kMaxLockBytes = 1024;
// A stale lock that another program replaces at the same moment is met
// again: this many tries, then it counts as held.
constexpr int kTakeAttempts = 3;

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

template <class Number>
bool ParseNumber(std::string_view text, Number& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ParseOwner(std::string_view line, LockOwner& owner) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 3 && fields.size() != 5) return false;
  owner.user = fields[0];
  owner.host = fields[1];
  if (!ParseNumber(fields[2], owner.processId) || owner.processId <= 0) return false;
  if (fields.size() == 3) return true;
  return ParseNumber(fields[3], owner.window) && owner.window >= 0 && ParseNumber(fields[4], owner.processStart);
}

std::string OwnerLine(const LockOwner& owner) {
  return owner.user + "," + owner.host + "," + std::to_string(owner.processId) + "," + std::to_string(owner.window) +
         "," + std::to_string(owner.processStart) + "\n";
}

// A new file at path, never through a link and never one that exists,
// holding the owner's line; 0, or the error number. The umask applies as
// for any file.
int CreateLockAt(const std::string& path, const LockOwner& owner) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (descriptor < 0) return errno;
  const std::string line = OwnerLine(owner);
  int error = ::write(descriptor, line.data(), line.size()) == static_cast<ssize_t>(line.size()) ? 0 : EIO;
  if (::close(descriptor) != 0 && error == 0) error = errno;
  if (error != 0) ::unlink(path.c_str());
  return error;
}

Message SystemReason(int error) { return {std::strerror(error), MessageKind::Error}; }

}  // namespace

std::string LockFilePath(const std::string& dataPath) {
  const std::string folder = FolderOfPath(dataPath);
  const std::string name = ".~lock." + FileNameOfPath(dataPath) + "#";
  if (folder.empty()) return name;
  return folder == "/" ? "/" + name : folder + "/" + name;
}

LockReading ReadLockFile(const std::string& dataPath) {
  const FileRead read = ReadRegularFile(LockFilePath(dataPath), kMaxLockBytes, BeyondLimit::Refuse, LinkAtPath::Refuse);
  LockReading reading;
  switch (read.failure) {
    case FileReadFailure::None: break;
    case FileReadFailure::CannotOpen: return reading;
    case FileReadFailure::NotRegular:
    case FileReadFailure::Unreadable:
      reading.state = LockReading::State::Foreign;
      reading.foreign = read.reason;
      return reading;
    case FileReadFailure::TooLarge:
      reading.state = LockReading::State::Foreign;
      reading.foreign = "larger than " + SizeLimitText(kMaxLockBytes);
      return reading;
  }
  const std::string_view bytes = read.bytes;
  if (ParseOwner(bytes.substr(0, bytes.find('\n')), reading.owner)) {
    reading.state = LockReading::State::Owned;
    return reading;
  }
  reading.state = LockReading::State::Foreign;
  reading.foreign = "not a lock's line";
  reading.owner = {};
  return reading;
}

bool LockIsLive(const LockOwner& owner, const std::string& thisHost) {
  return owner.host != thisHost || ProcessIsRunning(owner.processId, owner.processStart);
}

LockAttempt TakeLockFile(const std::string& dataPath, const LockOwner& owner) {
  const std::string path = LockFilePath(dataPath);
  LockAttempt attempt;
  for (int tries = 0; tries < kTakeAttempts; ++tries) {
    const int error = CreateLockAt(path, owner);
    if (error == 0) return attempt;
    if (error != EEXIST) {
      // O_EXCL meets a link at the path as it meets any file: EEXIST. Any
      // other failure is the folder's.
      attempt.result = LockAttempt::Result::Unwritable;
      attempt.reason = std::strerror(error);
      return attempt;
    }
    const LockReading reading = ReadLockFile(dataPath);
    if (reading.state == LockReading::State::Foreign) {
      attempt.result = LockAttempt::Result::Foreign;
      attempt.reason = reading.foreign;
      return attempt;
    }
    if (reading.state == LockReading::State::None) continue;  // removed meanwhile
    if (reading.owner == owner || LockIsLive(reading.owner, owner.host)) {
      attempt.result = LockAttempt::Result::Held;
      attempt.holder = reading.owner;
      return attempt;
    }
    ::unlink(path.c_str());
  }
  attempt.result = LockAttempt::Result::Held;
  const LockReading last = ReadLockFile(dataPath);
  attempt.holder = last.owner;
  return attempt;
}

Outcome<void> HandOverLockFile(const std::string& dataPath, const LockOwner& from, const LockOwner& to) {
  const LockReading reading = ReadLockFile(dataPath);
  if (reading.state != LockReading::State::Owned || reading.owner != from)
    return Message{"the lock is not this window's", MessageKind::Error};
  const std::string path = LockFilePath(dataPath);
  std::random_device random;
  const std::string temporary = path + "." + std::to_string(random() % 1000000);
  if (const int error = CreateLockAt(temporary, to); error != 0) return SystemReason(error);
  // rename replaces the name itself, whatever stands there now: never the
  // file a link there would lead to.
  if (::rename(temporary.c_str(), path.c_str()) == 0) return {};
  const int error = errno;
  ::unlink(temporary.c_str());
  return SystemReason(error);
}

void RemoveLockFile(const std::string& dataPath, const LockOwner& owner) {
  const LockReading reading = ReadLockFile(dataPath);
  if (reading.state == LockReading::State::Owned && reading.owner == owner) ::unlink(LockFilePath(dataPath).c_str());
}

}  // namespace rv
