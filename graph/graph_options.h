#pragma once

#include <array>
#include <cstdint>

#include "sheet/document.h"

namespace rv {

// The graph's colour selections (in the order of GraphColorElement), the
// Shade Surface switch and the colours of a curve's bands.
struct GraphOptions {
  std::array<std::int32_t, kGraphColorElementCount> colors = kDefaultGraphColors;
  bool shadeSurface = true;
  std::int32_t confidenceBandColor = kDefaultConfidenceBandColor;
  std::int32_t predictionBandColor = kDefaultPredictionBandColor;

  std::int32_t color(GraphColorElement element) const { return colors[static_cast<size_t>(element)]; }
  friend bool operator==(const GraphOptions&, const GraphOptions&) = default;
};

GraphOptions DefaultGraphOptions();

// White background; black cube edges, grids, labels, data points, bands and
// equation text; a white surface without shading; no plane surfaces.
GraphOptions BlackAndWhiteGraphOptions();

// The graph options a document holds.
GraphOptions GraphOptionsOf(const DocumentOptions& options);

// The index the picture is cleared to. The Background is never none; a
// stored selection that is none falls back to the default white.
std::uint8_t BackgroundIndex(const GraphOptions& options);

}  // namespace rv
