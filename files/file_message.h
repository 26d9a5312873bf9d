#pragma once

#include <string>

namespace rv {

// How the application shows a message of the file operations: the kinds and
// answers of the program's message dialog.
enum class FileMessageKind : int { Information = 1, YesNo = 2, YesNoCancel = 3, Error = 4 };
enum class MessageAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct FileMessage {
  std::string text;
  FileMessageKind kind = FileMessageKind::Error;
  friend bool operator==(const FileMessage&, const FileMessage&) = default;
};

}  // namespace rv
