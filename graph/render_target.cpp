#include "graph/render_target.h"

namespace rv {

RenderTarget::RenderTarget(int width, int height, const Viewport& v)
    : frame(width, height), depth(frame.pixels.size(), 1.0f), viewport(v) {}

}  // namespace rv
