#include "graph/ui/picture_file.h"

#include "files/atomic_file.h"

namespace rv {

std::optional<std::string> WritePictureFile(const std::string& path, const std::vector<std::uint8_t>& encoded) {
  if (encoded.empty()) return std::string("the picture could not be encoded");
  return WriteFileAtomically(path, encoded);
}

}  // namespace rv
