#include "graph/label_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

bool IsLabel(TextRole role) { return role == TextRole::XLabel || role == TextRole::YLabel || role == TextRole::ZLabel; }

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

// Keeps every stride-th label of a role, the smallest stride (1, 2, 4 …) at
// which the kept ones stand gap pixels apart.
void ThinRole(std::vector<TextBlock>& blocks, std::vector<bool>& kept, TextRole role, int gap) {
  std::vector<size_t> labels;
  for (size_t i = 0; i < blocks.size(); ++i)
    if (blocks[i].role == role) labels.push_back(i);
  const auto overlapsAt = [&](size_t stride) {
    for (size_t a = 0; a < labels.size(); a += stride)
      for (size_t b = a + stride; b < labels.size(); b += stride)
        if (blocks[labels[a]].box.overlaps(blocks[labels[b]].box, gap)) return true;
    return false;
  };
  size_t stride = 1;
  while (stride < labels.size() && overlapsAt(stride)) stride *= 2;
  for (size_t k = 0; k < labels.size(); ++k) kept[labels[k]] = k % stride == 0;
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
  bool any = false;
  TextBox around;
  for (size_t i = 0; i < blocks.size(); ++i) {
    if (!kept[i] || blocks[i].role != labels) continue;
    around = any ? Union(around, blocks[i].box) : blocks[i].box;
    any = true;
  }
  if (!any) return;
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

std::vector<TextBlock> LayOutTexts(std::vector<TextBlock> blocks, const GlyphSet& glyphs, int width, int height) {
  for (TextBlock& block : blocks) {
    for (size_t r = 0; r < block.runs.size(); ++r) {
      const TextBox box = RunBox(glyphs, block.runs[r]);
      block.box = r == 0 ? box : Union(block.box, box);
    }
    ShiftInside(block, width, height);
  }

  std::vector<bool> kept(blocks.size(), true);
  std::vector<TextRole> roles;
  for (const TextBlock& block : blocks)
    if (IsLabel(block.role) && std::find(roles.begin(), roles.end(), block.role) == roles.end())
      roles.push_back(block.role);
  const int gap = Spacing(glyphs);
  for (const TextRole role : roles) ThinRole(blocks, kept, role, gap);
  // Where two axes meet, a label of the later axis gives way.
  for (size_t i = 0; i < blocks.size(); ++i) {
    if (!kept[i] || !IsLabel(blocks[i].role)) continue;
    const auto earlier = std::find(roles.begin(), roles.end(), blocks[i].role);
    for (size_t j = 0; j < blocks.size() && kept[i]; ++j)
      if (kept[j] && IsLabel(blocks[j].role) && std::find(roles.begin(), earlier, blocks[j].role) != earlier &&
          blocks[i].box.overlaps(blocks[j].box))
        kept[i] = false;
  }
  for (size_t i = 0; i < blocks.size(); ++i)
    if (LabelsOf(blocks[i].role) != TextRole::Free) ClearTitle(blocks, kept, i, width, height, gap);

  std::vector<TextBlock> laidOut;
  for (size_t i = 0; i < blocks.size(); ++i)
    if (kept[i]) laidOut.push_back(std::move(blocks[i]));
  return laidOut;
}

}  // namespace rv
