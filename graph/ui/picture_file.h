#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/outcome.h"

namespace rv {

// The one way a picture reaches a file: encoded into memory first (a failed
// encoding, an empty picture, never touches the disk), then written whole by
// WriteFileAtomically, so a full disk or a refused target leaves the old
// picture as it was. When it was not written the message is the reason
// alone, for the caller to put into its own.
Outcome<void> WritePictureFile(const std::string& path, const std::vector<std::uint8_t>& encoded);

}  // namespace rv
