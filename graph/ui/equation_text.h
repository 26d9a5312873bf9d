#pragma once

#include <cstdint>
#include <string>

#include "base/frame_buffer.h"

namespace rv {

// The equation written across the top of a picture in "Times New Roman":
// the cell height and the top of the text are EquationTextCell and
// EquationTextTop, the text centred on the middle of the picture. Every
// pixel of the text takes the palette index, so the picture stays one of
// palette indices. An empty text writes nothing.
void DrawEquationText(FrameBuffer& picture, const std::string& text, std::uint8_t index);

}  // namespace rv
