#include "files/data_file_io.h"

#include <filesystem>

#include "files/atomic_file.h"
#include "files/band_section.h"
#include "files/data_file_extension.h"
#include "files/data_file_messages.h"
#include "files/file_paths.h"
#include "files/options_extension.h"
#include "files/regular_file.h"

namespace rv {

// A file system without any capacity (/proc, /sys) has no space to speak of,
// and the real reason comes from creating the file.
Outcome<void> CheckDiskSpace(const std::string& path, std::uintmax_t bytes) {
  const std::string folder = FolderOfPath(path);
  std::error_code error;
  const std::filesystem::space_info space = std::filesystem::space(folder.empty() ? "." : folder, error);
  if (!error && space.capacity > 0 && space.available < bytes) return InsufficientDiskSpaceMessage();
  return {};
}

Message DataFileWriteFailure(const std::string& path, const std::string& reason) {
  return {OutputFileErrorMessage(path).text + "\n(" + reason + ")", MessageKind::Error};
}

Outcome<void> StoreDataFile(const std::string& path, const DataFileBytes& image) {
  // A device or a pipe is no place for a data file, whatever the space.
  if (Outcome<void> accepted = CheckWriteTarget(path); !accepted) return accepted;
  if (Outcome<void> room = CheckDiskSpace(path, image.size()); !room) return room;
  if (const Outcome<void> written = WriteFileAtomically(path, image); !written)
    return DataFileWriteFailure(path, written.message().text);
  return {};
}

Outcome<std::string> ReadDataFileBytes(const std::string& path) {
  constexpr std::size_t kLongestFile = data_file::kFileSize + data_file::ExtensionSize(kMaxSheetRows) +
                                       data_file::kOptionsSize + data_file::kBandSectionSize;
  FileRead read = ReadRegularFile(path, kLongestFile);
  const auto refused = [&path](const std::string& why) {
    return Message{InputFileErrorMessage(path).text + "\n(" + why + ")", MessageKind::Error};
  };
  switch (read.failure) {
    case FileReadFailure::None: return std::move(read.bytes);
    case FileReadFailure::CannotOpen: return InputFileErrorMessage(path);
    case FileReadFailure::NotRegular: return refused("it is " + read.reason + ", not a file");
    case FileReadFailure::TooLarge:
      return refused("it is larger than " + SizeLimitText(kLongestFile) + ", the size of a data file of " +
                     std::to_string(kMaxSheetRows) + " rows");
    case FileReadFailure::Unreadable: return refused(read.reason);
  }
  return InputFileErrorMessage(path);
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
