#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "base/outcome.h"

namespace rv {

// Whether a file may be written at path: not when it, or the file its
// symbolic links lead to, exists and is not a regular file. The message then
// says why: "'out.csv' leads to a device, not a file"; "'out.csv' is a
// folder, not a file" when no link is in between.
Outcome<void> CheckWriteTarget(const std::string& path);

// Replaces the file at path with content so that, whatever fails, the path
// holds either its old content or all of the new: the content goes into a
// temporary file in the same folder, which is flushed to the disk and then
// renamed over the path. A symbolic link stays and the file it leads to is
// replaced (created when missing); a target that is not a regular file is
// refused (TargetRefusal) before anything is written. An existing file that
// the user may not write to is refused too; otherwise it keeps its permission
// bits. When anything failed (the temporary file is then removed) the
// message is the reason alone, in the system's words or CheckWriteTarget's,
// for the caller to put into its own.
Outcome<void> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> content);

// The temporary file of a write goes beside the target, named
// TemporaryPrefix(target) + six random digits + ".tmp": ".NAME.123456.tmp".
// A name too long for that within the folder's limit of a file name (255
// bytes) is cut, never inside a character, and "~" and a hash of the whole
// name follow it, so every save of the file uses the same prefix. Each
// successful write removes the temporary files of its target that a killed
// write left behind; one still being written is held locked and passed by.
std::string TemporaryPrefix(const std::string& target);

// One call of write(2): descriptor, bytes, count; returns what write returns.
using WriteCall = std::function<ssize_t(int, const void*, std::size_t)>;

// The same, with every write of the content made through writeCall, so that
// a test can make the n-th one fail as a full disk would.
Outcome<void> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> content,
                                  const WriteCall& writeCall);

}  // namespace rv
