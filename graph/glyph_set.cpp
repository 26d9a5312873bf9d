#include "graph/glyph_set.h"

namespace rv {

int TextWidth(const GlyphSet& glyphs, std::string_view text) {
  int width = 0;
  for (const char c : text)
    if (const GlyphBitmap* glyph = glyphs.find(static_cast<unsigned char>(c))) width += glyph->advance;
  return width;
}

}  // namespace rv
