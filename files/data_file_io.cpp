#include "files/data_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "files/atomic_file.h"
#include "files/data_file_messages.h"
#include "files/file_paths.h"

namespace rv {

namespace {

// An unknown amount of free space does not stop the save: creating the file
// then reports what is wrong.
bool HasTooLittleSpace(const std::string& path) {
  const std::string folder = FolderOfPath(path);
  std::error_code error;
  const std::filesystem::space_info space = std::filesystem::space(folder.empty() ? "." : folder, error);
  return !error && space.available < kMinimumFreeDiskSpace;
}

enum class ReadOutcome { Read, CannotRead };

// Reads at most bytes.size() bytes and says how many it got.
ReadOutcome ReadPrefix(const std::string& path, std::span<std::uint8_t> bytes, std::size_t& count) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return ReadOutcome::CannotRead;
  struct stat status {};
  bool ok = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
  count = 0;
  while (ok && count < bytes.size()) {
    const ssize_t got = ::read(descriptor, bytes.data() + count, bytes.size() - count);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ok = false;
    if (got <= 0) break;
    count += static_cast<std::size_t>(got);
  }
  ::close(descriptor);
  return ok ? ReadOutcome::Read : ReadOutcome::CannotRead;
}

}  // namespace

StoreResult StoreDataFile(const std::string& path, const DataFileBytes& image) {
  StoreResult result;
  if (HasTooLittleSpace(path)) {
    result.failure = StoreFailure::DiskSpace;
    result.message = InsufficientDiskSpaceMessage();
    return result;
  }
  if (const auto reason = WriteFileAtomically(path, image)) {
    result.failure = StoreFailure::Output;
    result.message = OutputFileErrorMessage(path);
    result.reason = *reason;
  }
  return result;
}

LoadResult LoadDataFile(const std::string& path) {
  LoadResult result;
  DataFileBytes image{};
  std::size_t count = 0;
  if (ReadPrefix(path, image, count) == ReadOutcome::CannotRead) {
    result.failure = LoadFailure::CannotOpen;
    result.message = InputFileErrorMessage(path);
    return result;
  }
  result.contents = DecodeDataFile(std::span<const std::uint8_t>(image.data(), count));
  if (!result.contents) {
    result.failure = LoadFailure::Corrupted;
    result.message = CorruptedFileMessage();
  }
  return result;
}

}  // namespace rv
