#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rv {

// A picture of the graph: width × height palette indices, row-major, the top
// row first. The colours come from GraphPalette.
struct FrameBuffer {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  FrameBuffer() = default;
  // Every pixel takes the index fill. A negative size counts as 0.
  FrameBuffer(int width, int height, std::uint8_t fill = 0);

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::size_t offset(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
  }
  std::uint8_t at(int x, int y) const { return pixels[offset(x, y)]; }
  std::uint8_t& at(int x, int y) { return pixels[offset(x, y)]; }
  const std::uint8_t* row(int y) const { return pixels.data() + offset(0, y); }
};

}  // namespace rv
