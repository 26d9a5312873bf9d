#pragma once

#include <cstddef>
#include <string>

#include "base/outcome.h"

namespace rv {

enum class FileReadFailure {
  None,
  CannotOpen,  // missing, no permission: reason says which
  NotRegular,  // a folder, a pipe, a device: reading it could block or never end
  TooLarge,    // more bytes than the caller can ever need
  Unreadable,  // opened, but reading failed: reason says why
};

// More than an outcome: the kind of failure chooses the caller's message,
// and a read stopped at the limit says whether the file holds more.
struct FileRead {
  FileReadFailure failure = FileReadFailure::None;
  std::string bytes;
  bool longer = false;  // the file holds more than the bytes read (only when asked to stop early)
  std::string reason;   // the system's words for CannotOpen and Unreadable, the kind for NotRegular
};

enum class BeyondLimit { Refuse, Ignore };
// A file that others may put in place (a lock beside a shared file) is read
// only when it is itself a regular file: a symbolic link is refused as
// NotRegular, "a symbolic link".
enum class LinkAtPath { Follow, Refuse };

// Reads a regular file of at most `limit` bytes. Anything else (a folder, a
// FIFO, /dev/zero) is refused before a byte is read, so a reader never blocks
// or runs out of memory. A longer file is refused, or read up to the limit
// when the caller only needs its beginning.
FileRead ReadRegularFile(const std::string& path, std::size_t limit, BeyondLimit beyond = BeyondLimit::Refuse,
                         LinkAtPath link = LinkAtPath::Follow);

// ReadRegularFile of a whole file, with a message for each failure that
// names the file: "cannot open 'P': REASON", "'P' is a pipe, not a file",
// "'P' is larger than 64 MB; " followed by whyLimit (why no file needs more),
// "cannot read 'P': REASON".
Outcome<std::string> ReadBoundedFile(const std::string& path, std::size_t limit, const std::string& whyLimit);

// A limit of bytes in words: "64 MB", "64 KB" for whole megabytes or
// kilobytes, else "16370 bytes".
std::string SizeLimitText(std::size_t limit);

}  // namespace rv
