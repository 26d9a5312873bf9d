#pragma once

#include <string>

#include "base/message.h"

namespace rv {

// The messages of the data file operations, word for word.
Message InsufficientDiskSpaceMessage();
Message OutputFileErrorMessage(const std::string& path);
Message InputFileErrorMessage(const std::string& path);
Message CorruptedFileMessage();
Message SaveChangesQuestionMessage(const std::string& title);

// Status bar texts while a file is written or read, and afterwards.
inline constexpr const char* kSavingStatus = "Saving";
inline constexpr const char* kLoadingStatus = "Loading";
inline constexpr const char* kReadyStatus = "Ready";

}  // namespace rv
