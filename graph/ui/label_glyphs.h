#pragma once

#include "graph/glyph_set.h"

namespace rv {

// The graph's label font, "MS Sans Serif" with a 12-pixel cell as fontconfig
// resolves it, as one-bit glyph bitmaps of the characters '*' to '['. Needs
// a QGuiApplication. The program and the command-line tool both take their
// glyphs from here, so their pictures agree pixel for pixel. A scale above 1
// sets the same labels for a screen of that many device pixels per pixel.
GlyphSet LabelGlyphs(double scale = 1.0);

// The cell height of those glyphs' font: 12 pixels, scaled above 1.
int LabelCellHeight(double scale = 1.0);

}  // namespace rv
