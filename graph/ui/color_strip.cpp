#include "graph/ui/color_strip.h"

#include <QMouseEvent>
#include <QPainter>

#include "graph/ui/graph_color_swatches.h"
#include "widgets/resource_pictures.h"

namespace rv {

namespace {

// The strip's places, in pixels of the Options dialog's Graph page. The
// frame spans kFramePlace; the swatches stand one under the other from
// kFirstSwatch, and the mark of the current row is at their left. A click
// counts inside kClickArea, its rows from kClickRowsTop.
constexpr QRect kFramePlace(QPoint(344, 12), QPoint(428, 272));
constexpr QPoint kOrigin = kFramePlace.topLeft();
constexpr QPoint kFirstSwatch = QPoint(346, 14) - kOrigin;
constexpr int kSwatchWidth = 80;
constexpr QPoint kFirstMark = QPoint(348, 14) - kOrigin;
constexpr QSize kMarkPictureSize(12, 15);
constexpr QRect kClickArea(QPoint(347, 17), QPoint(425, 271));
constexpr int kClickRowsTop = 16;
// The none row: its picture and its word, from the swatch's top left.
constexpr QPoint kNoColorPicturePlace(22, 2);
constexpr int kNoColorTextIndent = 38;

}  // namespace

ColorStrip::ColorStrip(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setGeometry(kFramePlace);
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
    const QRect swatch(kFirstSwatch + QPoint(0, kRowHeight * row), QSize(kSwatchWidth, kRowHeight));
    const QColor color = GraphSwatchColor(row);
    if (color.isValid()) {
      painter.fillRect(swatch.adjusted(0, 0, 0, -1), color);
    } else {
      painter.fillRect(swatch.adjusted(0, 0, 0, -1), Qt::white);
      painter.drawPixmap(swatch.topLeft() + kNoColorPicturePlace, NoColorPicture());
      painter.setPen(Qt::black);
      painter.drawText(swatch.adjusted(kNoColorTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("None"));
    }
  }
  painter.drawPixmap(kFirstMark + QPoint(0, kRowHeight * row_),
                     ResourcePicture(QStringLiteral("MARK"), kMarkPictureSize));
}

void ColorStrip::mousePressEvent(QMouseEvent* event) {
  const QPoint page = event->position().toPoint() + kOrigin;
  if (event->button() != Qt::LeftButton || !kClickArea.contains(page)) {
    QFrame::mousePressEvent(event);
    return;
  }
  setCurrentRow((page.y() - kClickRowsTop) / kRowHeight);
}

}  // namespace rv
