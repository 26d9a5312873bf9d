#pragma once

#include <QWidget>
#include <optional>

#include "sheet/data_sheet.h"

namespace rv {

// The column header (variable names, resizable columns) or the row strip
// (row numbers) of the data grid. The current column or row is drawn raised.
// Presses and drags over the items are reported as item numbers.
class GridHeader : public QWidget {
  Q_OBJECT
 public:
  GridHeader(const DataSheet& sheet, Qt::Orientation orientation, QWidget* parent = nullptr);

  void setOffset(int offset);
  void setCurrent(int item);
  int itemAt(const QPoint& point) const;
  QRect itemRect(int item) const;
  // Row strip only: as wide as the numbers of every row of the sheet need.
  int stripWidth() const;

 signals:
  // With Shift held the press extends the selection instead of starting one.
  void itemPressed(int item, bool extend);
  void itemDragged(int item);
  void dragFinished();
  void contextMenuAt(int item, const QPoint& globalPosition);
  // Column header only: the tracking line's content position while a column
  // border is dragged (none when the drag ends), then the column's new width.
  void resizeTracking(std::optional<int> contentX);
  void columnResized(int column, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool horizontal() const { return orientation_ == Qt::Horizontal; }
  int along(const QPoint& point) const { return (horizontal() ? point.x() : point.y()) + offset_; }
  std::optional<int> borderAt(const QPoint& point) const;
  int trackedRight(const QPoint& point) const;
  QString itemText(int item) const;

  const DataSheet& sheet_;
  Qt::Orientation orientation_;
  int offset_ = 0;
  int current_ = 0;
  bool dragging_ = false;
  std::optional<int> resizingColumn_;
};

}  // namespace rv
