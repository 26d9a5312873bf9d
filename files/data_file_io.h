#pragma once

#include <string>
#include <string_view>

#include "files/data_file_format.h"
#include "sheet/outcome.h"

namespace rv {

// Below this many free bytes in the target folder a data file is not saved.
inline constexpr std::uintmax_t kMinimumFreeDiskSpace = 10000;

// Whether the folder of path has room for a data file; the message says it
// has not (InsufficientDiskSpaceMessage). An unknown amount of free space
// does not stop the save: writing the file then reports what is wrong.
Outcome<void> CheckDiskSpace(const std::string& path);

// Writes a data file image to exactly this path, atomically. Nothing is
// written when the path leads to something that is not a regular file (the
// message then says what it is) or the folder has too little free space; any
// other failure leaves a file already at the path as it was, and its message
// (OutputFileErrorMessage) ends with the system's reason in brackets.
Outcome<void> StoreDataFile(const std::string& path, const DataFileBytes& image);

// The bytes of a data file as far as one can hold them: only a regular file
// is read, and no more of it than the longest sheet's file and one byte
// (so that a longer one shows as damaged). InputFileErrorMessage when it
// cannot be read.
Outcome<std::string> ReadDataFileBytes(const std::string& path);

// The contents of those bytes; CorruptedFileMessage when they are fewer than
// 16,370, the magic number is wrong, or the bytes behind the block are no
// sound extension (a longer sheet's rows, data_file_extension.h).
Outcome<DataFileContents> DecodeDataFileBytes(std::string_view bytes);

// Reads and validates a data file: the two steps above.
Outcome<DataFileContents> LoadDataFile(const std::string& path);

}  // namespace rv
