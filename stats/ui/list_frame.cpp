#include "stats/ui/list_frame.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace rv {

namespace {

constexpr int kHeadingTop = 55;

}  // namespace

QRect Corners(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

QRect ListPlace(const ListFrame& frame) {
  constexpr int kEdge = 2;
  return Corners(frame.box.left() + kEdge, frame.strip.bottom() + 1, frame.box.right() + 1 - kEdge,
                 frame.box.bottom() + 1 - kEdge);
}

void PaintListFrame(QPainter& painter, const QPalette& palette, const ListFrame& frame, const ColumnSpan& column) {
  qDrawWinPanel(&painter, frame.box, palette, true);
  painter.fillRect(frame.strip, Qt::white);
  painter.save();
  // A list scrolled sideways takes its headings along; what leaves the strip is not drawn.
  painter.setClipRect(frame.strip);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(painter.font());
  for (const ListFrame::Heading& heading : frame.headings) {
    const auto [left, right] = column(heading.column);
    const int width = metrics.horizontalAdvance(heading.text);
    painter.drawText(QRect((left + right) / 2 - width / 2, kHeadingTop, width + 1, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, heading.text);
  }
  const int lineY = frame.strip.bottom();
  painter.setPen(palette.color(QPalette::Button));
  for (const int after : frame.separatorsAfter) {
    const int x = column(after).second;
    painter.drawLine(x, frame.strip.top(), x, lineY - 1);
  }
  painter.restore();
  // The strip's bottom line runs on to the box's inner edge, over the part a
  // list's scroll bar or a button may leave unfilled.
  painter.setPen(Qt::black);
  painter.drawLine(frame.strip.left(), lineY, frame.box.right() - 2, lineY);
}

}  // namespace rv
