#include "base/frame_buffer.h"

#include <algorithm>

namespace rv {

FrameBuffer::FrameBuffer(int w, int h, std::uint8_t fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

}  // namespace rv
