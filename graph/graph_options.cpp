#include "graph/graph_options.h"

#include "graph/graph_color.h"

namespace rv {

GraphOptions DefaultGraphOptions() { return {}; }

GraphOptions BlackAndWhiteGraphOptions() {
  return {{1, kNoColor, 0, 0, 1, 0, 0, 0, kNoColor, 0, 0, kNoColor, 0, 0, kNoColor, 0}, false, 0, 0};
}

GraphOptions GraphOptionsOf(const DocumentOptions& options) {
  return {options.graphColors, options.shadeSurface, options.bands.confidenceColor, options.bands.predictionColor};
}

std::uint8_t BackgroundIndex(const GraphOptions& options) {
  if (const auto index = GraphColorIndex(options.color(kBackground))) return *index;
  return *GraphColorIndex(kDefaultGraphColors[kBackground]);
}

}  // namespace rv
