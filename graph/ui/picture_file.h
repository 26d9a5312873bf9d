#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// The one way a picture reaches a file: encoded into memory first (a failed
// encoding, an empty picture, never touches the disk), then written whole by
// WriteFileAtomically, so a full disk or a refused target leaves the old
// picture as it was. Returns the reason when it was not written.
std::optional<std::string> WritePictureFile(const std::string& path, const std::vector<std::uint8_t>& encoded);

}  // namespace rv
