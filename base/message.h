#pragma once

#include <string>

namespace rv {

// How a message is shown: the kinds and answers of the program's message
// dialog. The engine says which kind a message is; the application shows it.
enum class MessageKind : int { Information = 1, YesNo = 2, YesNoCancel = 3, Error = 4 };
enum class MessageAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// A message is never dropped: whoever makes one means it to be shown.
struct [[nodiscard]] Message {
  std::string text;
  MessageKind kind = MessageKind::Error;
  friend bool operator==(const Message&, const Message&) = default;
};

}  // namespace rv
