#pragma once

#include <optional>
#include <string>

#include "files/data_file_format.h"
#include "sheet/message.h"

namespace rv {

// Below this many free bytes in the target folder a data file is not saved.
inline constexpr std::uintmax_t kMinimumFreeDiskSpace = 10000;

enum class StoreFailure { None, DiskSpace, Output };

struct StoreResult {
  StoreFailure failure = StoreFailure::None;
  Message message;     // when it failed
  std::string reason;  // the system's reason for an output failure
};

// Writes a data file image to exactly this path, atomically. Nothing is
// written when the path leads to something that is not a regular file (the
// message then says what it is) or the folder has too little free space; any
// other failure leaves a file already at the path as it was.
StoreResult StoreDataFile(const std::string& path, const DataFileBytes& image);

enum class LoadFailure { None, CannotOpen, Corrupted };

struct LoadResult {
  LoadFailure failure = LoadFailure::None;
  Message message;  // when it failed
  std::optional<DataFileContents> contents;
};

// Reads and validates a data file. Only regular files are read. One shorter
// than 16,370 bytes, with the wrong magic number, or whose bytes behind the
// block are no sound extension (longer than any sheet makes, too) is
// reported as corrupted.
LoadResult LoadDataFile(const std::string& path);

}  // namespace rv
