#include "graph/ui/graph_color_swatches.h"

#include "base/graph_palette.h"
#include "graph/graph_color.h"

namespace rv {

QColor GraphSwatchColor(std::int32_t selection) {
  const auto index = GraphColorIndex(selection);
  if (!index) return {};
  const PaletteColor& color = kGraphPalette[*index];
  return {color.red, color.green, color.blue};
}

}  // namespace rv
