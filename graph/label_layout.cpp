#include "graph/label_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graph/label_text.h"

namespace rv {

namespace {

struct FontExtent {
  int ascent = 0;
  int descent = 0;
};

// The font's extent above and below the baseline, over all its glyphs, so
// that texts on one baseline get boxes of one height.
FontExtent ExtentOf(const GlyphSet& glyphs) {
  FontExtent extent;
  for (const GlyphBitmap& glyph : glyphs.glyphs) {
    if (!glyph.complete() || glyph.height == 0) continue;
    extent.ascent = std::max(extent.ascent, glyph.height - glyph.yOrigin);
    extent.descent = std::max(extent.descent, glyph.yOrigin);
  }
  return extent;
}

TextBox Union(const TextBox& a, const TextBox& b) {
  return {std::min(a.left, b.left), std::min(a.bottom, b.bottom), std::max(a.right, b.right), std::max(a.top, b.top)};
}

void Move(TextBlock& block, int dx, int dy) {
  for (TextRun& run : block.runs) {
    run.x += dx;
    run.y += dy;
  }
  block.box = {block.box.left + dx, block.box.bottom + dy, block.box.right + dx, block.box.top + dy};
}

// The smallest shift that brings the box inside [0, size) along one axis;
// a box larger than the picture keeps its start at 0.
int ShiftInto(int low, int high, int size) {
  if (high > size) return std::max(size - high, -low);
  if (low < 0) return -low;
  return 0;
}

void ShiftInside(TextBlock& block, int width, int height) {
  Move(block, ShiftInto(block.box.left, block.box.right, width), ShiftInto(block.box.bottom, block.box.top, height));
}

TextRole LabelsOf(TextRole title) {
  switch (title) {
    case TextRole::XTitle: return TextRole::XLabel;
    case TextRole::YTitle: return TextRole::YLabel;
    case TextRole::ZTitle: return TextRole::ZLabel;
    default: return TextRole::Free;
  }
}

// The room that must stay between two texts to read them as two: half the
// font's height, at least 2 pixels.
int Spacing(const GlyphSet& glyphs) {
  const FontExtent extent = ExtentOf(glyphs);
  return std::max(2, (extent.ascent + extent.descent) / 2);
}

// The next of 1, 2, 5, 10, 20, 50 …
long long NextRoundMultiple(long long m) {
  long long decade = 1;
  while (m >= 10 * decade) decade *= 10;
  const long long digit = m / decade;
  return digit < 2 ? 2 * decade : digit < 5 ? 5 * decade : 10 * decade;
}

// The smallest multiple of the form 1, 2 or 5 × 10^k that is at least x.
long long RoundMultipleAtLeast(double x) {
  long long m = 1;
  while (static_cast<double>(m) < x && m < (1LL << 60)) m = NextRoundMultiple(m);
  return m;
}

// Whether a tick's raster position lies off the picture along its axis,
// whose direction in the picture is (dx, dy): the picture shows its value
// no more. One off the picture across the axis is still shown, at the edge.
bool OffAlongAxis(const TextAnchor& anchor, double dx, double dy, int width, int height) {
  const double cx = std::clamp(anchor.x, 0.0, static_cast<double>(width)) - anchor.x;
  const double cy = std::clamp(anchor.y, 0.0, static_cast<double>(height)) - anchor.y;
  const double length = std::hypot(dx, dy);
  if (length < 1.0) return cx != 0.0 || cy != 0.0;
  return std::fabs(cx * dx + cy * dy) / length > 0.5;
}

// Sets the labels of one axis: its ticks on the picture a round step
// apart, the finest at which no two come within gap pixels, with texts for
// that step. Returns whether each block is kept.
void ChooseTicks(std::vector<TextBlock>& blocks, std::vector<bool>& kept, const LabelAxis& axis, const GlyphSet& glyphs,
                 int width, int height, double magnification, int gap) {
  std::vector<size_t> ticks;
  for (size_t i = 0; i < blocks.size(); ++i)
    if (blocks[i].role == axis.role && blocks[i].anchor.tick) ticks.push_back(i);
  if (ticks.empty()) return;
  const TextAnchor& first = blocks[ticks.front()].anchor;
  const TextAnchor& last = blocks[ticks.back()].anchor;
  std::vector<size_t> visible;
  for (const size_t i : ticks) {
    kept[i] = false;
    if (!OffAlongAxis(blocks[i].anchor, last.x - first.x, last.y - first.y, width, height)) visible.push_back(i);
  }
  std::vector<size_t> shown;
  for (long long m = RoundMultipleAtLeast(static_cast<double>(axis.perStep) / std::max(magnification, 1.0));;
       m = NextRoundMultiple(m)) {
    shown.clear();
    std::vector<double> values;
    for (const size_t i : visible)
      if (blocks[i].anchor.multiple % m == 0) {
        shown.push_back(i);
        values.push_back(blocks[i].anchor.value);
      }
    const std::vector<std::string> texts = AxisLabelTexts(values, axis.fine * static_cast<double>(m));
    for (size_t k = 0; k < shown.size(); ++k) {
      TextBlock& block = blocks[shown[k]];
      block.runs = {AnchoredRun(glyphs, block.anchor, texts[k])};
      block.box = RunBox(glyphs, block.runs[0]);
      ShiftInside(block, width, height);
    }
    bool apart = true;
    for (size_t a = 0; a < shown.size() && apart; ++a)
      for (size_t b = a + 1; b < shown.size() && apart; ++b)
        apart = !blocks[shown[a]].box.overlaps(blocks[shown[b]].box, gap);
    if (apart || shown.size() <= 1 || m > (1LL << 58)) break;
  }
  for (const size_t i : shown) kept[i] = true;
}

// The union of the kept labels' boxes of a role; false when it has none.
bool LabelsBox(const std::vector<TextBlock>& blocks, const std::vector<bool>& kept, TextRole role, TextBox& around) {
  bool any = false;
  for (size_t i = 0; i < blocks.size(); ++i) {
    if (!kept[i] || blocks[i].role != role) continue;
    around = any ? Union(around, blocks[i].box) : blocks[i].box;
    any = true;
  }
  return any;
}

// How far a box must move along one axis (sign given) to stand gap pixels
// clear of another.
int Clearance(const TextBox& moving, const TextBox& fixed, bool horizontal, int sign, int gap) {
  if (horizontal) return (sign < 0 ? moving.right - fixed.left : fixed.right - moving.left) + gap;
  return (sign < 0 ? moving.top - fixed.bottom : fixed.top - moving.bottom) + gap;
}

// The largest clearance the box needs from any of the kept blocks of role.
int NeededShift(const TextBox& box, const std::vector<TextBlock>& blocks, const std::vector<bool>& kept, TextRole role,
                bool horizontal, int sign, int gap) {
  int needed = 0;
  for (size_t i = 0; i < blocks.size(); ++i)
    if (kept[i] && blocks[i].role == role && box.overlaps(blocks[i].box, gap))
      needed = std::max(needed, Clearance(box, blocks[i].box, horizontal, sign, gap));
  return needed;
}

// A title moves away from its labels, on the side it stands on; where the
// picture's edge stops it, the labels move away from the title instead.
void ClearTitle(std::vector<TextBlock>& blocks, const std::vector<bool>& kept, size_t title, int width, int height,
                int gap) {
  const TextRole labels = LabelsOf(blocks[title].role);
  TextBox around;
  if (!LabelsBox(blocks, kept, labels, around)) return;
  TextBlock& block = blocks[title];
  const double dx = (block.box.left + block.box.right) - (around.left + around.right);
  const double dy = (block.box.bottom + block.box.top) - (around.bottom + around.top);
  const bool horizontal = std::fabs(dx) >= std::fabs(dy);
  const int sign = (horizontal ? dx : dy) < 0 ? -1 : 1;
  const auto shiftBy = [&](TextBlock& b, int amount) { Move(b, horizontal ? amount : 0, horizontal ? 0 : amount); };

  for (int guard = 0; guard < 64; ++guard) {
    const int needed = NeededShift(block.box, blocks, kept, labels, horizontal, sign, gap);
    if (needed <= 0) break;
    shiftBy(block, sign * needed);
  }
  ShiftInside(block, width, height);
  const int back = NeededShift(block.box, blocks, kept, labels, horizontal, sign, gap);
  if (back <= 0) return;
  for (size_t i = 0; i < blocks.size(); ++i)
    if (kept[i] && blocks[i].role == labels) {
      shiftBy(blocks[i], -sign * back);
      ShiftInside(blocks[i], width, height);
    }
}

// Whether two or more kept labels of among stand inside the box around the
// kept labels of around: the two axes' labels read as one row.
bool Interleave(const std::vector<TextBlock>& blocks, const std::vector<bool>& kept, TextRole around, TextRole among) {
  TextBox box;
  if (!LabelsBox(blocks, kept, around, box)) return false;
  int inside = 0;
  for (size_t i = 0; i < blocks.size(); ++i)
    if (kept[i] && blocks[i].role == among && blocks[i].box.overlaps(box)) ++inside;
  return inside >= 2;
}

}  // namespace

TextBox RunBox(const GlyphSet& glyphs, const TextRun& run) {
  const FontExtent extent = ExtentOf(glyphs);
  const int originX = static_cast<int>(std::floor(run.x));
  const int baseline = static_cast<int>(std::floor(run.y));
  TextBox box{originX, baseline - extent.descent, originX, baseline + extent.ascent};
  double x = run.x;
  for (const char c : run.text) {
    const GlyphBitmap* glyph = glyphs.find(static_cast<unsigned char>(c));
    if (glyph == nullptr) continue;
    if (glyph->complete() && glyph->width > 0) {
      const int left = static_cast<int>(std::floor(x - glyph->xOrigin));
      box.left = std::min(box.left, left);
      box.right = std::max(box.right, left + glyph->width);
    }
    x += glyph->advance;
  }
  box.right = std::max(box.right, static_cast<int>(std::floor(x)));
  return box;
}

TextRun AnchoredRun(const GlyphSet& glyphs, const TextAnchor& anchor, std::string text) {
  const double x = anchor.x - anchor.align * TextWidth(glyphs, text);
  const double y = anchor.y - (anchor.middle ? ExtentOf(glyphs).ascent / 2.0 : 0.0);
  return {x, y, anchor.z, std::move(text)};
}

std::vector<TextBlock> LayOutTexts(std::vector<TextBlock> blocks, const GlyphSet& glyphs, int width, int height,
                                   const std::vector<LabelAxis>& axes, double magnification) {
  for (TextBlock& block : blocks) {
    if (block.anchor.tick) continue;
    for (size_t r = 0; r < block.runs.size(); ++r) {
      const TextBox box = RunBox(glyphs, block.runs[r]);
      block.box = r == 0 ? box : Union(block.box, box);
    }
    ShiftInside(block, width, height);
  }

  std::vector<bool> kept(blocks.size(), true);
  const int gap = Spacing(glyphs);
  std::vector<TextRole> roles;
  for (const LabelAxis& axis : axes) {
    ChooseTicks(blocks, kept, axis, glyphs, width, height, magnification, gap);
    roles.push_back(axis.role);
  }
  // A tick of an axis without a scale has no text to show.
  for (size_t i = 0; i < blocks.size(); ++i)
    if (blocks[i].anchor.tick && std::find(roles.begin(), roles.end(), blocks[i].role) == roles.end()) kept[i] = false;
  // Where two axes meet, a label of the later axis gives way; where the
  // labels of two axes run along one line among each other, the later
  // axis's go.
  for (size_t r = 1; r < roles.size(); ++r)
    for (size_t earlier = 0; earlier < r; ++earlier) {
      for (size_t i = 0; i < blocks.size(); ++i) {
        if (!kept[i] || blocks[i].role != roles[r]) continue;
        for (size_t j = 0; j < blocks.size() && kept[i]; ++j)
          if (kept[j] && blocks[j].role == roles[earlier] && blocks[i].box.overlaps(blocks[j].box)) kept[i] = false;
      }
      if (Interleave(blocks, kept, roles[earlier], roles[r]) || Interleave(blocks, kept, roles[r], roles[earlier]))
        for (size_t i = 0; i < blocks.size(); ++i)
          if (blocks[i].role == roles[r]) kept[i] = false;
    }
  for (size_t i = 0; i < blocks.size(); ++i)
    if (LabelsOf(blocks[i].role) != TextRole::Free) ClearTitle(blocks, kept, i, width, height, gap);
  // A label that a title still covers gives way to it.
  for (size_t t = 0; t < blocks.size(); ++t) {
    if (!kept[t] || LabelsOf(blocks[t].role) == TextRole::Free) continue;
    for (size_t i = 0; i < blocks.size(); ++i)
      if (kept[i] && blocks[i].anchor.tick && blocks[i].box.overlaps(blocks[t].box)) kept[i] = false;
  }

  std::vector<TextBlock> laidOut;
  for (size_t i = 0; i < blocks.size(); ++i)
    if (kept[i]) laidOut.push_back(std::move(blocks[i]));
  return laidOut;
}

}  // namespace rv
