#pragma once

#include <QAbstractScrollArea>
#include <QTimer>
#include <optional>

#include "sheet/cell_range.h"
#include "sheet/data_sheet.h"

namespace rv {

class CellEditor;

// The grid area of the Data tab: paints the cells of the sheet's rows in
// view, however many rows it has, and carries one editor over the current
// cell. Mouse presses and drags are
// reported as cells; the tab decides what they select.
class DataGrid : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit DataGrid(const DataSheet& sheet, QWidget* parent = nullptr);

  CellEditor* editor() const { return editor_; }

  // The sheet the grid shows: the document's, or for a moment a preview of
  // a change the user has not confirmed yet.
  const DataSheet& sheet() const { return *sheet_; }
  void setSheet(const DataSheet& sheet);

  void setCurrentCell(CellPosition cell);
  void setHighlight(std::optional<CellRange> range);
  std::optional<CellRange> highlight() const { return highlight_; }
  // Column widths changed: the editor and the scroll range follow.
  void relayout();
  void ensureVisible(CellPosition cell);
  void scrollToTopRow();
  void scrollToFirstColumn();
  // A vertical line over the grid while a column border is dragged.
  void setTrackingLine(std::optional<int> contentX);

  // The cell under a point of the viewport, clamped to the sheet.
  CellPosition cellAt(const QPoint& viewportPoint) const;
  // The control id of the cell under a point of the viewport: 1000 + 17 r + c.
  int cellIdAt(const QPoint& viewportPoint) const;
  QRect visualCellRect(CellPosition cell) const;

 signals:
  // With Shift held the press extends the selection instead of starting one.
  void cellPressed(rv::CellPosition cell, bool extend);
  void cellDragged(rv::CellPosition cell);
  void dragFinished();
  void contextMenuAt(const QPoint& globalPosition);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void updateScrollRanges();
  void placeEditor();
  void beginDrag(const QPoint& viewportPoint, bool extend);
  void dragTo(const QPoint& viewportPoint);
  void endDrag();
  void scrollNearEdges();
  QPoint scrollOffset() const;

  const DataSheet* sheet_;
  CellEditor* editor_;
  CellPosition current_;
  std::optional<CellRange> highlight_;
  std::optional<int> trackingLine_;
  bool dragging_ = false;
  QPoint dragPoint_;
  QTimer edgeScrollTimer_;
};

}  // namespace rv
