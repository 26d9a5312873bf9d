#include "sheet/ui/grid_header.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include "sheet/ui/grid_geometry.h"

namespace rv {

namespace {

// A press this close to a column's right border resizes the column.
constexpr int kBorderGrip = 3;
constexpr int kMinimumColumnWidth = 8;
// The row strip is this wide until its longest number needs more room, with
// this much space left on either side of the number.
constexpr int kRowStripWidth = 26;
constexpr int kRowNumberMargin = 3;

}  // namespace

GridHeader::GridHeader(const DataSheet& sheet, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), sheet_(sheet), orientation_(orientation) {
  setObjectName(horizontal() ? QStringLiteral("ColumnHeader") : QStringLiteral("sbrwnd"));
  setMouseTracking(horizontal());
}

void GridHeader::setOffset(int offset) {
  offset_ = offset;
  update();
}

void GridHeader::setCurrent(int item) {
  current_ = item;
  update();
}

int GridHeader::itemAt(const QPoint& point) const {
  return horizontal() ? ColumnAt(sheet_, along(point)) : RowAt(sheet_, along(point));
}

QRect GridHeader::itemRect(int item) const {
  if (horizontal()) return QRect(sheet_.columnBoundaries[item] - offset_, 0, sheet_.columnWidth(item), height());
  return QRect(0, item * kGridRowHeight - offset_, width(), kGridRowHeight);
}

QString GridHeader::itemText(int item) const {
  return horizontal() ? QString::fromStdString(sheet_.names[item]) : QString::number(item + 1);
}

// Digits are equally wide in the program's fonts, so a row of zeros as long
// as the last row's number measures every number of the strip.
int GridHeader::stripWidth() const {
  const int digits = static_cast<int>(QString::number(sheet_.cells.rowCount()).size());
  return std::max(kRowStripWidth,
                  fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) + 2 * kRowNumberMargin);
}

std::optional<int> GridHeader::borderAt(const QPoint& point) const {
  if (!horizontal()) return std::nullopt;
  const int x = along(point);
  for (int column = 0; column < kSheetColumns; ++column)
    if (std::abs(x - sheet_.columnBoundaries[column + 1]) <= kBorderGrip) return column;
  return std::nullopt;
}

int GridHeader::trackedRight(const QPoint& point) const {
  return std::max(along(point), sheet_.columnBoundaries[*resizingColumn_] + kMinimumColumnWidth);
}

void GridHeader::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  painter.fillRect(rect(), colours.button());
  // Only the rows in view are drawn: a sheet may have 100,000.
  const int first = horizontal() ? 0 : itemAt(QPoint(0, 0));
  const int last = horizontal() ? kSheetColumns - 1 : itemAt(QPoint(0, height() - 1));
  for (int item = first; item <= last; ++item) {
    const QRect rect = itemRect(item);
    if (!rect.intersects(this->rect())) continue;
    if (item == current_) {
      qDrawWinButton(&painter, rect, colours, false);
    } else {
      painter.setPen(colours.color(QPalette::Mid));
      painter.drawLine(rect.topRight(), rect.bottomRight());
      painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    painter.setPen(colours.color(QPalette::ButtonText));
    painter.drawText(rect, Qt::AlignCenter, itemText(item));
  }
}

void GridHeader::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  resizingColumn_ = borderAt(point);
  if (resizingColumn_) {
    emit resizeTracking(trackedRight(point));
    return;
  }
  dragging_ = true;
  emit itemPressed(itemAt(point), event->modifiers().testFlag(Qt::ShiftModifier));
}

void GridHeader::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (resizingColumn_) {
    emit resizeTracking(trackedRight(point));
  } else if (dragging_) {
    emit itemDragged(itemAt(point));
  } else if (horizontal()) {
    setCursor(borderAt(point) ? Qt::SplitHCursor : Qt::ArrowCursor);
  }
}

void GridHeader::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (resizingColumn_) {
    const int column = *resizingColumn_;
    const int width = trackedRight(event->position().toPoint()) - sheet_.columnBoundaries[column];
    resizingColumn_.reset();
    emit resizeTracking(std::nullopt);
    emit columnResized(column, width);
  } else if (dragging_) {
    dragging_ = false;
    emit dragFinished();
  }
}

void GridHeader::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  emit contextMenuAt(itemAt(event->pos()), event->globalPos());
}

}  // namespace rv
