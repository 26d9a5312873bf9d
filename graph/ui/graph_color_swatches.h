#pragma once

#include <QColor>
#include <QPixmap>
#include <cstdint>

namespace rv {

// The colour that a graph colour selection 0 to 15 shows on screen, the
// palette entry the graph draws it with; 16 and above mean none (invalid).
QColor GraphSwatchColor(std::int32_t selection);

// The picture a swatch of no colour shows on white, 11 x 11 pixels.
QPixmap NoColorPicture();

}  // namespace rv
