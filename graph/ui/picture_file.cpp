#include "graph/ui/picture_file.h"

#include "files/atomic_file.h"

namespace rv {

Outcome<void> WritePictureFile(const std::string& path, const std::vector<std::uint8_t>& encoded) {
  if (encoded.empty()) return Message{"the picture could not be encoded", MessageKind::Error};
  return WriteFileAtomically(path, encoded);
}

}  // namespace rv
