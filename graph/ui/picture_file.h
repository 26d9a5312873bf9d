#pragma once

#include <QByteArray>
#include <optional>
#include <string>

namespace rv {

// The one way a picture reaches a file: encoded into memory first (a failed
// encoding never touches the disk), then written whole by
// WriteFileAtomically, so a full disk or a refused target leaves the old
// picture as it was. Returns the reason when it was not written.
std::optional<std::string> WritePictureFile(const std::string& path, const QByteArray& encoded);

}  // namespace rv
