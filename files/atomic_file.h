#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rv {

// Replaces the file at path with content so that, whatever fails, the path
// holds either its old content or all of the new: the content goes into a
// temporary file in the same folder, which is flushed to the disk and then
// renamed over the path. An existing file that the user may not write to is
// refused; otherwise it keeps its permissions, and a symbolic link keeps
// pointing at the file it named. Returns the system's reason when
// anything failed (the temporary file is then removed), nothing on success.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> content);

}  // namespace rv
