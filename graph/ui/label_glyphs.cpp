#include "graph/ui/label_glyphs.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "widgets/graph_fonts.h"

namespace rv {

namespace {

constexpr int kLabelCellHeight = 12;

// The character drawn on a canvas with room all round, then cut to the
// pixels it sets; the origin offsets say where the baseline origin was. The
// canvas row at the baseline is the first one below it, so a glyph standing
// on the baseline ends a row above and has no descent.
GlyphBitmap RasterizeCharacter(const QFont& font, const QFontMetrics& metrics, QChar character) {
  GlyphBitmap glyph;
  glyph.advance = metrics.horizontalAdvance(character);
  const int margin = metrics.height();
  const int side = 2 * margin + metrics.maxWidth();
  QImage canvas(side, side, QImage::Format_Grayscale8);
  canvas.fill(0);
  const QPoint origin(margin, margin + metrics.ascent());
  {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(origin, QString(character));
  }
  int left = side, right = -1, top = side, bottom = -1;
  for (int y = 0; y < side; ++y) {
    const uchar* line = canvas.constScanLine(y);
    for (int x = 0; x < side; ++x) {
      if (line[x] < 128) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return glyph;
  glyph.width = right - left + 1;
  glyph.height = bottom - top + 1;
  glyph.xOrigin = origin.x() - left;
  glyph.yOrigin = bottom - (origin.y() - 1);
  glyph.bits.resize(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height));
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x)
      glyph.bits[static_cast<size_t>(y - top) * static_cast<size_t>(glyph.width) + static_cast<size_t>(x - left)] =
          canvas.constScanLine(y)[x] >= 128 ? 1 : 0;
  return glyph;
}

}  // namespace

int LabelCellHeight(double scale) {
  return std::max(kLabelCellHeight, static_cast<int>(std::lround(kLabelCellHeight * scale)));
}

GlyphSet LabelGlyphs(double scale) {
  const QFont font = GraphLabelFont(LabelCellHeight(scale));
  const QFontMetrics metrics(font);
  GlyphSet set;
  for (int i = 0; i < kGlyphCount; ++i)
    set.glyphs[static_cast<size_t>(i)] = RasterizeCharacter(font, metrics, QChar(kFirstGlyph + i));
  return set;
}

}  // namespace rv
