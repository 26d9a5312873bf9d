#pragma once

#include <cstddef>
#include <string>

namespace rv {

enum class FileReadFailure {
  None,
  CannotOpen,  // missing, no permission: reason says which
  NotRegular,  // a folder, a pipe, a device: reading it could block or never end
  TooLarge,    // more bytes than the caller can ever need
  Unreadable,  // opened, but reading failed: reason says why
};

struct FileRead {
  FileReadFailure failure = FileReadFailure::None;
  std::string bytes;
  bool longer = false;  // the file holds more than the bytes read (only when asked to stop early)
  std::string reason;   // the system's words for CannotOpen and Unreadable, the kind for NotRegular
};

enum class BeyondLimit { Refuse, Ignore };

// Reads a regular file of at most `limit` bytes. Anything else (a folder, a
// FIFO, /dev/zero) is refused before a byte is read, so a reader never blocks
// or runs out of memory. A longer file is refused, or read up to the limit
// when the caller only needs its beginning.
FileRead ReadRegularFile(const std::string& path, std::size_t limit, BeyondLimit beyond = BeyondLimit::Refuse);

}  // namespace rv
