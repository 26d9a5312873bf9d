#pragma once

#include <vector>

#include "base/frame_buffer.h"
#include "graph/viewport.h"

namespace rv {

// What the renderer draws into: the picture, its depth buffer (0 nearest,
// 1 the far plane) and the viewport. Kept from frame to frame so that
// drawing a frame allocates nothing.
struct RenderTarget {
  FrameBuffer frame;
  std::vector<float> depth;
  Viewport viewport;
  // Lines are this many pixels wide: a larger picture draws them wider, so
  // that it looks like the 640-pixel one.
  int lineWidth = 1;

  RenderTarget(int width, int height, const Viewport& viewport);
};

}  // namespace rv
