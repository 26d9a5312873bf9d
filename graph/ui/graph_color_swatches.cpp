#include "graph/ui/graph_color_swatches.h"

#include "base/graph_palette.h"
#include "graph/graph_color.h"
#include "widgets/resource_pictures.h"

namespace rv {

QColor GraphSwatchColor(std::int32_t selection) {
  const auto index = GraphColorIndex(selection);
  if (!index) return {};
  const PaletteColor& color = kGraphPalette[*index];
  return {color.red, color.green, color.blue};
}

QPixmap NoColorPicture() { return ResourcePicture(QStringLiteral("NONE"), QSize(11, 11)); }

}  // namespace rv
