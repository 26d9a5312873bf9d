#pragma once

namespace rv {

// Where normalised device coordinates land in a picture: x from x to
// x + width, y from y to y + height, y upward from the picture's bottom row.
// A viewport may reach past the picture; what falls outside is not drawn.
struct Viewport {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The graph window's viewport when the main window's client area (below the
// caption) is width × height: a square of side height − 32 whose centre lies
// at the middle of the graph window's width, 20 pixels below its bottom edge.
Viewport GraphWindowViewport(int clientWidth, int clientHeight);

// The square viewport of an off-screen picture of side size.
inline Viewport PictureViewport(int size) { return {0, 0, size, size}; }

}  // namespace rv
