#include "files/data_file_io.h"

#include <filesystem>

#include "files/atomic_file.h"
#include "files/data_file_extension.h"
#include "files/data_file_messages.h"
#include "files/file_paths.h"
#include "files/regular_file.h"

namespace rv {

// A file system without any capacity (/proc, /sys) has no space to speak of,
// and the real reason comes from creating the file.
Outcome<void> CheckDiskSpace(const std::string& path) {
  const std::string folder = FolderOfPath(path);
  std::error_code error;
  const std::filesystem::space_info space = std::filesystem::space(folder.empty() ? "." : folder, error);
  if (!error && space.capacity > 0 && space.available < kMinimumFreeDiskSpace) return InsufficientDiskSpaceMessage();
  return {};
}

Outcome<void> StoreDataFile(const std::string& path, const DataFileBytes& image) {
  // A device or a pipe is no place for a data file, whatever the space.
  if (Outcome<void> accepted = CheckWriteTarget(path); !accepted) return accepted;
  if (Outcome<void> room = CheckDiskSpace(path); !room) return room;
  if (const Outcome<void> written = WriteFileAtomically(path, image); !written)
    return Message{OutputFileErrorMessage(path).text + "\n(" + written.message().text + ")", MessageKind::Error};
  return {};
}

Outcome<std::string> ReadDataFileBytes(const std::string& path) {
  // No sheet makes a longer file: the byte past it makes the decoder refuse
  // the file as damaged rather than as unreadable.
  constexpr std::size_t kLongestFile = data_file::kFileSize + data_file::ExtensionSize(kMaxSheetRows);
  FileRead read = ReadRegularFile(path, kLongestFile + 1, BeyondLimit::Ignore);
  if (read.failure != FileReadFailure::None) return InputFileErrorMessage(path);
  return std::move(read.bytes);
}

Outcome<DataFileContents> DecodeDataFileBytes(std::string_view bytes) {
  std::optional<DataFileContents> contents =
      DecodeDataFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  if (!contents) return CorruptedFileMessage();
  return std::move(*contents);
}

Outcome<DataFileContents> LoadDataFile(const std::string& path) {
  const Outcome<std::string> bytes = ReadDataFileBytes(path);
  if (!bytes) return bytes.message();
  return DecodeDataFileBytes(*bytes);
}

}  // namespace rv
