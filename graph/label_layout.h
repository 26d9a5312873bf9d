#pragma once

#include <string>
#include <vector>

#include "graph/display_list.h"
#include "graph/glyph_set.h"

namespace rv {

// A box of pixels in window coordinates (y upward): left ≤ x < right,
// bottom ≤ y < top.
struct TextBox {
  int left = 0, bottom = 0, right = 0, top = 0;
  // Whether the boxes come closer than gap pixels (0: whether they overlap).
  bool overlaps(const TextBox& other, int gap = 0) const {
    return left < other.right + gap && other.left < right + gap && bottom < other.top + gap && other.bottom < top + gap;
  }
};

// One run of characters at a baseline origin in window pixels.
struct TextRun {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;  // window depth, 0 nearest to 1
  std::string text;
};

// A label, or a title with its runs, as it is drawn: one colour, the box
// its glyphs fill.
struct TextBlock {
  TextRole role = TextRole::Free;
  std::uint8_t index = 0;
  std::vector<TextRun> runs;
  TextBox box;
};

// The box a text drawn at baseline origin (x, y) fills: from the origin to
// the end of its advances, from the deepest descent to the highest ascent
// of the font.
TextBox RunBox(const GlyphSet& glyphs, const TextRun& run);

// Lays the texts of a picture out so that all can be read: every block is
// shifted (never dropped) until it lies inside the picture of width ×
// height pixels; the labels of an axis whose boxes overlap, or come so close
// that they would read as one ("250265280"), are thinned to every second
// one, then every fourth and so on until each stands apart; a label that
// still overlaps a label of another axis is left out; a title is moved off
// its axis's labels (and, where the picture's edge stops it, the labels off
// the title). Blocks come back in the order given.
std::vector<TextBlock> LayOutTexts(std::vector<TextBlock> blocks, const GlyphSet& glyphs, int width, int height);

}  // namespace rv
