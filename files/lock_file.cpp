#include "files/lock_file.h"

#include <charconv>
#include <filesystem>

#include "files/atomic_file.h"
#include "files/file_paths.h"
#include "files/regular_file.h"
#include "files/running_process.h"

namespace rv {

namespace {

constexpr std::size_t kMaxLockBytes = 1024;

}  // namespace

std::string LockFilePath(const std::string& dataPath) {
  const std::string folder = FolderOfPath(dataPath);
  const std::string name = ".~lock." + FileNameOfPath(dataPath) + "#";
  if (folder.empty()) return name;
  return folder == "/" ? "/" + name : folder + "/" + name;
}

std::optional<LockOwner> ReadLockFile(const std::string& dataPath) {
  const FileRead read = ReadRegularFile(LockFilePath(dataPath), kMaxLockBytes);
  if (read.failure != FileReadFailure::None) return std::nullopt;
  std::string line = read.bytes.substr(0, read.bytes.find('\n'));
  const std::size_t first = line.find(',');
  const std::size_t last = line.rfind(',');
  if (first == std::string::npos || first == last) return std::nullopt;
  LockOwner owner{line.substr(0, first), line.substr(first + 1, last - first - 1)};
  const std::string pid = line.substr(last + 1);
  const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), owner.processId);
  if (error != std::errc() || end != pid.data() + pid.size() || owner.processId <= 0) return std::nullopt;
  return owner;
}

bool LockIsLive(const LockOwner& owner, const std::string& thisHost) {
  return owner.host != thisHost || ProcessIsRunning(owner.processId);
}

bool WriteLockFile(const std::string& dataPath, const LockOwner& owner) {
  const std::string line = owner.user + "," + owner.host + "," + std::to_string(owner.processId) + "\n";
  return static_cast<bool>(WriteFileAtomically(
      LockFilePath(dataPath), std::span(reinterpret_cast<const std::uint8_t*>(line.data()), line.size())));
}

void RemoveLockFile(const std::string& dataPath, const LockOwner& owner) {
  if (ReadLockFile(dataPath) != owner) return;
  std::error_code error;
  std::filesystem::remove(LockFilePath(dataPath), error);
}

}  // namespace rv
