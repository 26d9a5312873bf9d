#include "graph/viewport.h"

#include <algorithm>

namespace rv {

Viewport GraphWindowViewport(int clientWidth, int clientHeight) {
  const int side = clientHeight - 32;
  return {std::max((clientWidth - clientHeight) / 2 - 34, 0), -20, side, side};
}

}  // namespace rv
