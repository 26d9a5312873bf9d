#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace rv {

// Why a file must not be written at path: it, or the file its symbolic links
// lead to, exists and is not a regular file. "'out.csv' leads to a device,
// not a file"; "'out.csv' is a folder, not a file" when no link is in
// between. Nothing when a regular file may be written there.
std::optional<std::string> TargetRefusal(const std::string& path);

// Replaces the file at path with content so that, whatever fails, the path
// holds either its old content or all of the new: the content goes into a
// temporary file in the same folder, which is flushed to the disk and then
// renamed over the path. A symbolic link stays and the file it leads to is
// replaced (created when missing); a target that is not a regular file is
// refused (TargetRefusal) before anything is written. An existing file that
// the user may not write to is refused too; otherwise it keeps its permission
// bits. Returns the reason when anything failed (the temporary file is then
// removed), nothing on success.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> content);

// One call of write(2): descriptor, bytes, count; returns what write returns.
using WriteCall = std::function<ssize_t(int, const void*, std::size_t)>;

// The same, with every write of the content made through writeCall, so that
// a test can make the n-th one fail as a full disk would.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> content,
                                               const WriteCall& writeCall);

}  // namespace rv
