#pragma once

#include <string>

#include "files/file_message.h"

namespace rv {

// The messages of the data file operations, word for word.
FileMessage InsufficientDiskSpaceMessage();
FileMessage OutputFileErrorMessage(const std::string& path);
FileMessage InputFileErrorMessage(const std::string& path);
FileMessage CorruptedFileMessage();
FileMessage SaveChangesQuestionMessage(const std::string& title);

// Status bar texts while a file is written or read, and afterwards.
inline constexpr const char* kSavingStatus = "Saving";
inline constexpr const char* kLoadingStatus = "Loading";
inline constexpr const char* kReadyStatus = "Ready";

}  // namespace rv
