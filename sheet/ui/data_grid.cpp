#include "sheet/ui/data_grid.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <qdrawutil.h>

#include "sheet/ui/cell_editor.h"
#include "sheet/ui/grid_geometry.h"
#include "sheet/value_text.h"
#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/program_fonts.h"

namespace rv {

namespace {

constexpr int kHorizontalLine = 48;
constexpr int kHorizontalPage = 144;
constexpr int kVerticalLine = kGridRowHeight;
constexpr int kVerticalPage = 4 * kGridRowHeight;
// Dragging this close to the left or right edge, or one row from the top or
// bottom edge, scrolls the grid.
constexpr int kSideScrollZone = 80;
constexpr int kEdgeScrollZone = kGridRowHeight;
constexpr int kEdgeScrollInterval = 100;
// The raised frame of the current cell is this wide on every side.
constexpr int kCurrentFrame = 2;

int CellId(CellPosition cell) { return kGridCellHelpContext + kSheetColumns * cell.row + cell.column; }

}  // namespace

DataGrid::DataGrid(const DataSheet& sheet, QWidget* parent)
    : QAbstractScrollArea(parent), sheet_(&sheet), editor_(new CellEditor(viewport())) {
  setObjectName(QStringLiteral("datwnd"));
  setFont(GridFont());
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);
  viewport()->setFocusPolicy(Qt::NoFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  horizontalScrollBar()->setSingleStep(kHorizontalLine);
  horizontalScrollBar()->setPageStep(kHorizontalPage);
  verticalScrollBar()->setSingleStep(kVerticalLine);
  verticalScrollBar()->setPageStep(kVerticalPage);
  SetControlId(viewport(), kGridCellHelpContext);

  editor_->setObjectName(QStringLiteral("edtdat"));
  editor_->setFrame(false);
  editor_->setTextMargins(kCellTextMargin - kCurrentFrame, 0, 0, 0);
  editor_->installEventFilter(this);
  connect(editor_, &CellEditor::contextMenuAt, this, &DataGrid::contextMenuAt);

  edgeScrollTimer_.setInterval(kEdgeScrollInterval);
  connect(&edgeScrollTimer_, &QTimer::timeout, this, &DataGrid::scrollNearEdges);
  updateScrollRanges();
  placeEditor();
}

QPoint DataGrid::scrollOffset() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

QRect DataGrid::visualCellRect(CellPosition cell) const { return CellRect(*sheet_, cell).translated(-scrollOffset()); }

CellPosition DataGrid::cellAt(const QPoint& viewportPoint) const {
  const QPoint content = viewportPoint + scrollOffset();
  return {RowAt(*sheet_, content.y()), ColumnAt(*sheet_, content.x())};
}

int DataGrid::cellIdAt(const QPoint& viewportPoint) const { return CellId(cellAt(viewportPoint)); }

void DataGrid::setSheet(const DataSheet& sheet) {
  sheet_ = &sheet;
  viewport()->update();
}

void DataGrid::setCurrentCell(CellPosition cell) {
  current_ = cell;
  SetControlId(editor_, CellId(cell));
  placeEditor();
  viewport()->update();
}

void DataGrid::setHighlight(std::optional<CellRange> range) {
  if (highlight_ == range) return;
  highlight_ = range;
  viewport()->update();
}

void DataGrid::relayout() {
  updateScrollRanges();
  placeEditor();
  viewport()->update();
}

void DataGrid::setTrackingLine(std::optional<int> contentX) {
  trackingLine_ = contentX;
  viewport()->update();
}

void DataGrid::updateScrollRanges() {
  const QSize area = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, GridWidth(*sheet_) - area.width()));
  verticalScrollBar()->setRange(0, std::max(0, GridHeight(*sheet_) - area.height()));
}

void DataGrid::placeEditor() {
  editor_->setGeometry(visualCellRect(current_).adjusted(kCurrentFrame, kCurrentFrame, -kCurrentFrame, -kCurrentFrame));
}

void DataGrid::ensureVisible(CellPosition cell) {
  const QRect rect = CellRect(*sheet_, cell);
  const QSize area = viewport()->size();
  QScrollBar* horizontal = horizontalScrollBar();
  QScrollBar* vertical = verticalScrollBar();
  if (rect.right() >= horizontal->value() + area.width()) horizontal->setValue(rect.right() + 1 - area.width());
  if (rect.left() < horizontal->value()) horizontal->setValue(rect.left());
  if (rect.bottom() >= vertical->value() + area.height()) vertical->setValue(rect.bottom() + 1 - area.height());
  if (rect.top() < vertical->value()) vertical->setValue(rect.top());
}

void DataGrid::scrollToTopRow() { verticalScrollBar()->setValue(0); }

void DataGrid::scrollToFirstColumn() { horizontalScrollBar()->setValue(0); }

void DataGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRanges();
  placeEditor();
}

void DataGrid::scrollContentsBy(int, int) {
  placeEditor();
  viewport()->update();
}

void DataGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QPalette& colours = palette();
  const QRect dirty = event->rect();
  const QPoint offset = scrollOffset();
  const int firstRow = RowAt(*sheet_, dirty.top() + offset.y());
  const int lastRow = RowAt(*sheet_, dirty.bottom() + offset.y());
  const int firstColumn = ColumnAt(*sheet_, dirty.left() + offset.x());
  const int lastColumn = ColumnAt(*sheet_, dirty.right() + offset.x());

  painter.fillRect(dirty, colours.base());
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
      const QRect rect = visualCellRect({row, column});
      const bool highlighted = highlight_ && highlight_->contains(row, column);
      if (highlighted) painter.fillRect(rect, colours.highlight());
      painter.setPen(colours.color(QPalette::Mid));
      painter.drawLine(rect.topRight(), rect.bottomRight());
      painter.drawLine(rect.bottomLeft(), rect.bottomRight());
      const QString text = QString::fromStdString(ShownCellText(*sheet_, row, column));
      if (text.isEmpty()) continue;
      painter.setPen(colours.color(highlighted ? QPalette::HighlightedText : QPalette::Text));
      painter.drawText(rect.adjusted(kCellTextMargin, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
  }
  qDrawWinPanel(&painter, visualCellRect(current_), colours, false);
  if (trackingLine_) {
    painter.setPen(QPen(colours.color(QPalette::WindowText), 1, Qt::DotLine));
    const int x = *trackingLine_ - offset.x();
    painter.drawLine(x, 0, x, viewport()->height());
  }
}

void DataGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    beginDrag(event->position().toPoint(), event->modifiers().testFlag(Qt::ShiftModifier));
}

void DataGrid::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) dragTo(event->position().toPoint());
}

void DataGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) endDrag();
}

void DataGrid::beginDrag(const QPoint& viewportPoint, bool extend) {
  dragging_ = true;
  dragPoint_ = viewportPoint;
  edgeScrollTimer_.start();
  emit cellPressed(cellAt(dragPoint_), extend);
}

void DataGrid::endDrag() {
  if (!dragging_) return;
  dragging_ = false;
  edgeScrollTimer_.stop();
  emit dragFinished();
}

void DataGrid::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  emit contextMenuAt(event->globalPos());
}

void DataGrid::dragTo(const QPoint& viewportPoint) {
  dragPoint_ = viewportPoint;
  emit cellDragged(cellAt(dragPoint_));
}

void DataGrid::scrollNearEdges() {
  const QSize area = viewport()->size();
  QScrollBar* horizontal = horizontalScrollBar();
  QScrollBar* vertical = verticalScrollBar();
  const QPoint before = scrollOffset();
  if (dragPoint_.x() < kSideScrollZone) horizontal->setValue(horizontal->value() - kHorizontalLine);
  if (dragPoint_.x() >= area.width() - kSideScrollZone) horizontal->setValue(horizontal->value() + kHorizontalLine);
  if (dragPoint_.y() < kEdgeScrollZone) vertical->setValue(vertical->value() - kVerticalLine);
  if (dragPoint_.y() >= area.height() - kEdgeScrollZone) vertical->setValue(vertical->value() + kVerticalLine);
  if (scrollOffset() != before) emit cellDragged(cellAt(dragPoint_));
}

// A press on the current cell's editor starts a range selection like a press
// on any other cell; the editor still places its caret.
bool DataGrid::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (watched != editor_ ||
      (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
    return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint point = editor_->mapTo(viewport(), mouse->position().toPoint());
  if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
    beginDrag(point, mouse->modifiers().testFlag(Qt::ShiftModifier));
  if (type == QEvent::MouseMove && dragging_) dragTo(point);
  if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) endDrag();
  return false;
}

}  // namespace rv
