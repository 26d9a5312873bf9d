#include "files/data_file_io.h"

#include <filesystem>

#include "files/atomic_file.h"
#include "files/data_file_extension.h"
#include "files/data_file_messages.h"
#include "files/file_paths.h"
#include "files/regular_file.h"

namespace rv {

namespace {

// An unknown amount of free space does not stop the save: creating the file
// then reports what is wrong. A file system without any capacity (/proc,
// /sys) has no space to speak of, and the real reason comes from creating
// the file.
bool HasTooLittleSpace(const std::string& path) {
  const std::string folder = FolderOfPath(path);
  std::error_code error;
  const std::filesystem::space_info space = std::filesystem::space(folder.empty() ? "." : folder, error);
  return !error && space.capacity > 0 && space.available < kMinimumFreeDiskSpace;
}

}  // namespace

StoreResult StoreDataFile(const std::string& path, const DataFileBytes& image) {
  StoreResult result;
  // A device or a pipe is no place for a data file, whatever the space.
  if (auto refusal = TargetRefusal(path)) {
    result.failure = StoreFailure::Output;
    result.message = Message{*refusal, MessageKind::Error};
    return result;
  }
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
  constexpr std::size_t kLongestFile = data_file::kFileSize + data_file::ExtensionSize(kMaxSheetRows);
  const FileRead read = ReadRegularFile(path, kLongestFile);
  // No sheet makes a longer file: its end is damaged, not unreadable.
  if (read.failure == FileReadFailure::TooLarge) {
    result.failure = LoadFailure::Corrupted;
    result.message = CorruptedFileMessage();
    return result;
  }
  if (read.failure != FileReadFailure::None) {
    result.failure = LoadFailure::CannotOpen;
    result.message = InputFileErrorMessage(path);
    return result;
  }
  result.contents =
      DecodeDataFile(std::span(reinterpret_cast<const std::uint8_t*>(read.bytes.data()), read.bytes.size()));
  if (!result.contents) {
    result.failure = LoadFailure::Corrupted;
    result.message = CorruptedFileMessage();
  }
  return result;
}

}  // namespace rv
