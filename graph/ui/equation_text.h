#pragma once

#include <QFont>
#include <QRect>
#include <cstdint>
#include <string>

#include "graph/frame_buffer.h"

namespace rv {

// The equation written across the top of a picture in "Times New Roman":
// the cell height is the picture's side × 2 divided by the text's length,
// at most 32 pixels, the text centred on the middle of the picture with its
// top 20 pixels down (both in proportion on a picture wider than 640).
// Every pixel of the text takes the palette index, so the picture stays one
// of palette indices. An empty text writes nothing.
void DrawEquationText(FrameBuffer& picture, const std::string& text, std::uint8_t index);

// The pieces of that rule, for pictures that keep the text as text: the
// cell height (0 for an empty text), its font, and the band the text is
// centred in at the top.
int EquationTextCell(int pictureSize, const std::string& text);
QFont EquationTextFont(int cellHeight);
QRect EquationTextBand(int pictureSize);

}  // namespace rv
