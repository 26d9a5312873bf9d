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

// Where a text stands by its raster position (RasterText): the position in
// window pixels, which side of the text it is, and for an axis label its
// tick, whose text the layout makes.
struct TextAnchor {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double align = 0.0;
  bool middle = false;
  bool tick = false;
  long long multiple = 0;
  double value = 0.0;
};

// A label, or a title with its runs, as it is drawn: one colour, the box
// its glyphs fill.
struct TextBlock {
  TextRole role = TextRole::Free;
  std::uint8_t index = 0;
  std::vector<TextRun> runs;
  TextBox box;
  TextAnchor anchor;
};

// The box a text drawn at baseline origin (x, y) fills: from the origin to
// the end of its advances, from the deepest descent to the highest ascent
// of the font.
TextBox RunBox(const GlyphSet& glyphs, const TextRun& run);

// The run of a text set at its anchor: the baseline origin moved left by
// the share of its width the anchor's align says, and down by half the
// font's ascent for a text whose middle is at the anchor.
TextRun AnchoredRun(const GlyphSet& glyphs, const TextAnchor& anchor, std::string text);

// Lays the texts of a picture out so that all can be read. An axis label
// whose raster position lies off the picture along its axis is left out:
// the labels describe what is in view. The labels of an axis are those of
// its ticks a round step apart (1, 2 or 5 × 10^k times its fine step, see
// LabelAxis): the whole view's step divided by the magnification of the
// zoom, or the next round step while two would run into each other or come
// so close that they would read as one ("250265280"); their texts show as
// many digits as that step needs. Every block is then shifted (never
// dropped) until it lies inside the picture of width × height pixels; a
// label that still overlaps a label of another axis, or that stands among
// the labels of an earlier axis with another of its own, is left out; a
// title is moved off its axis's labels (and, where the picture's edge stops
// it, the labels off the title). Blocks come back in the order given.
std::vector<TextBlock> LayOutTexts(std::vector<TextBlock> blocks, const GlyphSet& glyphs, int width, int height,
                                   const std::vector<LabelAxis>& axes = {}, double magnification = 1.0);

}  // namespace rv
