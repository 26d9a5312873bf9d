#pragma once

#include <string>
#include <string_view>

#include "base/outcome.h"
#include "files/data_file_format.h"

namespace rv {

// Whether the folder of path has room for a file of this many bytes: the new
// file is written whole before the old one goes. The message says it has not
// (InsufficientDiskSpaceMessage). An unknown amount of free space does not
// stop the save: writing the file then reports what is wrong.
Outcome<void> CheckDiskSpace(const std::string& path, std::uintmax_t bytes);

// The message of a data file that could not be written to path:
// OutputFileErrorMessage with the system's reason in brackets on a line of
// its own.
Message DataFileWriteFailure(const std::string& path, const std::string& reason);

// Writes a data file image to exactly this path, atomically. Nothing is
// written when the path leads to something that is not a regular file (the
// message then says what it is) or the folder has too little free space; any
// other failure leaves a file already at the path as it was
// (DataFileWriteFailure).
Outcome<void> StoreDataFile(const std::string& path, const DataFileBytes& image);

// The bytes of a data file: only a regular file of at most the size of the
// longest sheet's file. InputFileErrorMessage when it cannot be opened; a
// pipe, a folder or a longer file is refused with it and, on a line of its
// own in brackets, what it is or the limit it passes.
Outcome<std::string> ReadDataFileBytes(const std::string& path);

// The contents of those bytes; CorruptedFileMessage when they are fewer than
// 16,370, the magic number is wrong, or the bytes behind the block are no
// sound extension (a longer sheet's rows, data_file_extension.h).
Outcome<DataFileContents> DecodeDataFileBytes(std::string_view bytes);

// Reads and validates a data file: the two steps above.
Outcome<DataFileContents> LoadDataFile(const std::string& path);

}  // namespace rv
