#include "graph/ui/picture_file.h"

#include <cstdint>
#include <span>

#include "files/atomic_file.h"

namespace rv {

std::optional<std::string> WritePictureFile(const std::string& path, const QByteArray& encoded) {
  if (encoded.isEmpty()) return std::string("the picture could not be encoded");
  return WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(encoded.constData()),
                                             static_cast<std::size_t>(encoded.size())));
}

}  // namespace rv
