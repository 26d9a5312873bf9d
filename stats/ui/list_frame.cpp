#include "stats/ui/list_frame.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace rv {

namespace {

constexpr int kHeadingTop = 55;

}  // namespace

QRect Corners(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

void PaintListFrame(QPainter& painter, const QPalette& palette, const ListFrame& frame) {
  qDrawWinPanel(&painter, frame.box, palette, true);
  painter.fillRect(frame.strip, Qt::white);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(painter.font());
  for (const ListFrame::Heading& heading : frame.headings) {
    const int width = metrics.horizontalAdvance(heading.text);
    painter.drawText(QRect(heading.centreX - width / 2, kHeadingTop, width + 1, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, heading.text);
  }
  // The strip's bottom line runs on to the box's inner edge, over the part a
  // list's scroll bar or a button may leave unfilled.
  const int lineY = frame.strip.bottom();
  painter.drawLine(frame.strip.left(), lineY, frame.box.right() - 2, lineY);
  painter.setPen(palette.color(QPalette::Button));
  for (const int x : frame.separators) painter.drawLine(x, frame.strip.top(), x, lineY - 1);
}

}  // namespace rv
