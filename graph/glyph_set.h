#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace rv {

// The label font covers the characters '*' (42) to '[' (91): digits, signs,
// the decimal point and the upper-case letters. Other characters of a label
// are not drawn and take no room.
inline constexpr int kFirstGlyph = 42;
inline constexpr int kGlyphCount = 50;

// One character as a bitmap drawn at the current raster position. Its lower
// left corner lies xOrigin pixels left of and yOrigin pixels below the
// raster position (yOrigin is the descent below the baseline); afterwards
// the raster position moves advance pixels to the right.
struct GlyphBitmap {
  int width = 0;
  int height = 0;
  int xOrigin = 0;
  int yOrigin = 0;
  int advance = 0;
  std::vector<std::uint8_t> bits;  // width × height, 1 where drawn; the top row first

  // The bits cover the whole box (a glyph that does not is drawn as blank).
  bool complete() const {
    return width >= 0 && height >= 0 && bits.size() == static_cast<size_t>(width) * static_cast<size_t>(height);
  }
  bool bit(int column, int row) const {
    return bits[static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(column)] != 0;
  }
};

struct GlyphSet {
  std::array<GlyphBitmap, kGlyphCount> glyphs{};

  // The glyph of a character, or nullptr when the font has none.
  const GlyphBitmap* find(unsigned char c) const {
    if (c < kFirstGlyph || c >= kFirstGlyph + kGlyphCount) return nullptr;
    return &glyphs[static_cast<size_t>(c - kFirstGlyph)];
  }
};

// The width in pixels a text takes when drawn with these glyphs.
int TextWidth(const GlyphSet& glyphs, std::string_view text);

}  // namespace rv
