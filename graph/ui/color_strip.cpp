#include "graph/ui/color_strip.h"

#include <QMouseEvent>
#include <QPainter>

#include "graph/ui/graph_color_swatches.h"
#include "widgets/resource_pictures.h"

namespace rv {

namespace {

// The strip's frame spans (344, 12) to (428, 272) of the page; the swatches
// start at (346, 14) and a click counts from x 347 to 425 and y 17 to 271.
constexpr QPoint kOrigin(344, 12);
constexpr QPoint kSwatchOrigin = QPoint(346, 14) - kOrigin;
constexpr int kSwatchWidth = 80;

}  // namespace

ColorStrip::ColorStrip(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setGeometry(QRect(kOrigin, QPoint(428, 272)));
}

void ColorStrip::setCurrentRow(int row) {
  row = std::clamp(row, 0, kRows - 1);
  if (row == row_) return;
  row_ = row;
  update();
  emit currentRowChanged(row_);
}

void ColorStrip::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  for (int row = 0; row < kRows; ++row) {
    const QRect swatch(kSwatchOrigin.x(), kSwatchOrigin.y() + kRowHeight * row, kSwatchWidth, kRowHeight);
    const QColor color = GraphSwatchColor(row);
    if (color.isValid()) {
      painter.fillRect(swatch.adjusted(0, 0, 0, -1), color);
    } else {
      painter.fillRect(swatch.adjusted(0, 0, 0, -1), Qt::white);
      painter.drawPixmap(swatch.x() + 22, swatch.y() + 2, ResourcePicture(QStringLiteral("NONE"), QSize(11, 11)));
      painter.setPen(Qt::black);
      painter.drawText(swatch.adjusted(38, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("None"));
    }
  }
  painter.drawPixmap(QPoint(348, kRowHeight * row_ + 14) - kOrigin,
                     ResourcePicture(QStringLiteral("MARK"), QSize(12, 15)));
}

void ColorStrip::mousePressEvent(QMouseEvent* event) {
  const QPoint page = event->position().toPoint() + kOrigin;
  if (event->button() != Qt::LeftButton || page.x() < 347 || page.x() > 425 || page.y() < 17 || page.y() > 271) {
    QFrame::mousePressEvent(event);
    return;
  }
  setCurrentRow((page.y() - 16) / kRowHeight);
}

}  // namespace rv
