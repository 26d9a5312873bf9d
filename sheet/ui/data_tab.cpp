#include "sheet/ui/data_tab.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include "sheet/cell_location.h"
#include "sheet/clipboard_text.h"
#include "sheet/select_all.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_grid.h"
#include "sheet/ui/format_dialog.h"
#include "sheet/ui/grid_header.h"
#include "sheet/ui/paste_heading_question.h"
#include "sheet/ui/paste_number_question.h"
#include "sheet/ui/scale_dialog.h"
#include "sheet/value_text.h"
#include "widgets/command_ids.h"
#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

// The Data page: the name box and the entry line on the top line, the
// column header under them, then the row strip and the grid down to the
// bottom, with the scroll arrows in the corners the scroll bars leave.
constexpr QSize kInitialSize(628, 395);
constexpr int kMargin = 5;
constexpr int kEntryTop = 6;
constexpr int kEntryHeight = 16;
constexpr int kNameBoxWidth = 128;
constexpr int kEntryLineLeft = 192;
constexpr int kHeaderTop = 24;
constexpr int kHeaderHeight = 18;
constexpr int kGridTop = 41;
constexpr int kGridBottomMargin = 3;
constexpr int kStripBottomMargin = 4;

bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

QToolButton* CornerButton(QWidget* parent, const char* name, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

DataTab::DataTab(const Document& document, QWidget* parent)
    : QWidget(parent),
      document_(document),
      nameBox_(new QLabel(this)),
      entryLine_(new CellEditor(this)),
      grid_(new DataGrid(document.sheet, this)),
      columnHeader_(new GridHeader(document.sheet, Qt::Horizontal, this)),
      rowStrip_(new GridHeader(document.sheet, Qt::Vertical, this)),
      corner_(CornerButton(this, "SelectAllCorner", Qt::NoArrow)),
      topArrow_(CornerButton(this, "TARW", Qt::UpArrow)),
      leftArrow_(CornerButton(this, "LARW", Qt::LeftArrow)) {
  setObjectName(QStringLiteral("DataTab"));
  setFont(DialogFont());
  nameBox_->setObjectName(QStringLiteral("NameBox"));
  nameBox_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  nameBox_->setBackgroundRole(QPalette::Base);
  nameBox_->setAutoFillBackground(true);
  entryLine_->setObjectName(QStringLiteral("EntryLine"));
  entryLine_->setEditMode(true);
  entryLine_->installEventFilter(this);
  grid_->editor()->installEventFilter(this);
  AddTooltip(nameBox_, kTipInputLocation);
  AddTooltip(entryLine_, kTipEnterData);
  AddTooltip(columnHeader_, kTipVariableNames);
  AddTooltip(rowStrip_, kTipDataRows);

  CellEditor* cell = grid_->editor();
  connect(cell, &CellEditor::acceptingCharacter, this, &DataTab::typingStarts);
  connect(entryLine_, &CellEditor::acceptingCharacter, this, &DataTab::typingStarts);
  connect(cell, &QLineEdit::textEdited, this, &DataTab::cellTextEdited);
  connect(entryLine_, &QLineEdit::textEdited, this, &DataTab::entryTextEdited);
  connect(cell, &CellEditor::navigationKeyReleased, this, [this](NavigationKey key) { navigate(key, false); });
  connect(entryLine_, &CellEditor::navigationKeyReleased, this, [this](NavigationKey key) { navigate(key, true); });

  connect(grid_, &DataGrid::cellPressed, this, &DataTab::cellPressed);
  connect(grid_, &DataGrid::cellDragged, this, &DataTab::cellDragged);
  connect(grid_, &DataGrid::dragFinished, this, &DataTab::dragFinished);
  connect(grid_, &DataGrid::contextMenuAt, this, &DataTab::showCellMenu);
  connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, columnHeader_, &GridHeader::setOffset);
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, rowStrip_, &GridHeader::setOffset);

  const auto connectHeader = [this](GridHeader* header, HeaderKind kind) {
    connect(header, &GridHeader::itemPressed, this,
            [this, kind](int item, bool extend) { headerPressed(kind, item, extend); });
    connect(header, &GridHeader::itemDragged, this, [this, kind](int item) { headerDragged(kind, item); });
    connect(header, &GridHeader::dragFinished, this, &DataTab::dragFinished);
    connect(header, &GridHeader::contextMenuAt, this,
            [this, kind](int item, const QPoint& at) { showHeaderMenu(kind, item, at); });
  };
  connectHeader(columnHeader_, HeaderKind::Column);
  connectHeader(rowStrip_, HeaderKind::Row);
  connect(columnHeader_, &GridHeader::resizeTracking, grid_, &DataGrid::setTrackingLine);
  connect(columnHeader_, &GridHeader::columnResized, this, &DataTab::columnResized);

  connect(corner_, &QToolButton::clicked, this, &DataTab::selectAll);
  connect(topArrow_, &QToolButton::clicked, this, [this] {
    grid_->scrollToTopRow();
    focusCurrentCell();
  });
  connect(leftArrow_, &QToolButton::clicked, this, [this] {
    grid_->scrollToFirstColumn();
    focusCurrentCell();
  });

  resize(kInitialSize);
  enterCell({0, 0}, false);
}

CellEditor* DataTab::cellEditor() const { return grid_->editor(); }

CellRange DataTab::actedOnRange() const { return ActedOnRange(selection_, current_); }

int DataTab::cellIdAt(const QPoint& globalPosition) const {
  const QPoint point = grid_->viewport()->mapFromGlobal(globalPosition);
  return grid_->viewport()->rect().contains(point) ? grid_->cellIdAt(point) : -1;
}

void DataTab::resizeEvent(QResizeEvent*) { placePieces(); }

// The pieces sit at the Data page's fixed places; the grid takes the rest
// of the page. Only a sheet whose row numbers are too long for the row
// strip widens the strip and moves the grid to the right.
void DataTab::placePieces() {
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int strip = rowStrip_->stripWidth();
  const int gridLeft = kMargin + strip;
  const int headerWidth = std::max(0, width() - scrollBar - gridLeft - kMargin);
  const int stripHeight = std::max(0, height() - kGridTop - scrollBar - kStripBottomMargin);
  nameBox_->setGeometry(kMargin, kEntryTop, kNameBoxWidth, kEntryHeight);
  entryLine_->setGeometry(kEntryLineLeft, kEntryTop, std::max(0, width() - kEntryLineLeft - kMargin), kEntryHeight);
  corner_->setGeometry(kMargin, kHeaderTop, strip, kHeaderHeight);
  columnHeader_->setGeometry(gridLeft, kHeaderTop, headerWidth, kHeaderHeight);
  topArrow_->setGeometry(gridLeft + headerWidth, kHeaderTop, scrollBar, kHeaderHeight);
  rowStrip_->setGeometry(kMargin, kGridTop, strip, stripHeight);
  leftArrow_->setGeometry(kMargin, kGridTop + stripHeight, strip, scrollBar);
  grid_->setGeometry(gridLeft, kGridTop, std::max(0, width() - gridLeft - kMargin),
                     std::max(0, height() - kGridTop - kGridBottomMargin));
}

void DataTab::setEditMode(bool on) {
  editMode_ = on;
  grid_->editor()->setEditMode(on);
}

void DataTab::commitPendingEdit() {
  if (!entryEdited_) return;
  // Still marked as typed while the owner applies it, so the text stays.
  emit sheetEdited(CellTextEntered{current_, entryLine_->text().toStdString()});
  entryEdited_ = false;
}

void DataTab::showSheet() {
  layoutGrid();
  keepCurrentCellOnSheet();
  if (!entryEdited_) showCurrentCell();
}

// Undo can take back rows the current cell stood on; it moves up to the last
// row that is left, and a text typed for the row that went is dropped.
void DataTab::keepCurrentCellOnSheet() {
  const CellPosition onSheet = ClampToSheet(current_, document_.sheet.cells.rowCount());
  if (onSheet == current_) return;
  current_ = onSheet;
  entryEdited_ = false;
  grid_->setCurrentCell(current_);
  grid_->ensureVisible(current_);
  rowStrip_->setCurrent(current_.row);
}

void DataTab::enterCell(CellPosition cell, bool keepEntryLineFocus) {
  commitPendingEdit();
  current_ = cell;
  grid_->setCurrentCell(cell);
  grid_->ensureVisible(cell);
  columnHeader_->setCurrent(cell.column);
  rowStrip_->setCurrent(cell.row);
  showCurrentCell();
  if (keepEntryLineFocus) {
    entryLine_->setFocus();
    return;
  }
  replaceOnFirstKey_ = true;
  setEditMode(false);
  if (isVisible()) grid_->editor()->setFocus();
}

// The cell shows its column format, the entry line the general display.
void DataTab::showCurrentCell() {
  const DataSheet& sheet = grid_->sheet();
  grid_->editor()->setText(QString::fromStdString(ShownCellText(sheet, current_.row, current_.column)));
  // A narrow cell shows the start of a long number.
  grid_->editor()->setCursorPosition(0);
  entryLine_->setText(QString::fromStdString(ShownEntryText(sheet.cell(current_.row, current_.column))));
  nameBox_->setText(QString::fromStdString(CellLocationText(sheet, current_)));
  entryEdited_ = false;
}

// The keyboard goes to the grid only while the Data tab shows: keys must
// never reach a cell the user cannot see.
void DataTab::focusCurrentCell() {
  if (isVisible() && !entryLine_->hasFocus()) grid_->editor()->setFocus();
}

void DataTab::typingStarts() {
  emit modified();
  if (!replaceOnFirstKey_) return;
  replaceOnFirstKey_ = false;
  grid_->editor()->clear();
  entryLine_->clear();
  entryEdited_ = true;
}

void DataTab::cellTextEdited(const QString& text) {
  entryLine_->setText(text);
  entryEdited_ = true;
  emit modified();
}

void DataTab::entryTextEdited(const QString& text) {
  grid_->editor()->setText(text);
  entryEdited_ = true;
  emit modified();
}

void DataTab::toggleEditMode() {
  if (entryLine_->hasFocus()) return;
  if (editMode_) {
    setEditMode(false);
    return;
  }
  // The cell takes the focus first: a cell getting the focus arms
  // replace-on-first-key, which F2 turns off.
  grid_->editor()->setFocus();
  setEditMode(true);
  replaceOnFirstKey_ = false;
  grid_->editor()->setText(entryLine_->text());
}

// The text typed is committed before the move is worked out: Ctrl+End goes
// to the last row with data, the row just typed included.
void DataTab::navigate(NavigationKey key, bool fromEntryLine) {
  endRangeSelection();
  commitPendingEdit();
  const std::int32_t enterMove = document_.options.moveSelectionAfterEnter;
  if (MovesPastLastRow(document_.sheet.cells, current_, key, enterMove)) emit sheetEdited(RowAppended{});
  enterCell(NavigationTarget(document_.sheet.cells, current_, key, enterMove), fromEntryLine);
}

// A text being typed is committed when its editor loses the focus, so every
// command sees the sheet as the user sees it; a cell that gets the focus
// back is replaced by the first key, as a cell entered anew is. Clicking
// into the entry line edits the current cell's text in place. A context menu
// takes the keyboard only for a moment and changes none of this.
bool DataTab::eventFilter(QObject* watched, QEvent* event) {
  const bool focusIn = event->type() == QEvent::FocusIn;
  const bool focusOut = event->type() == QEvent::FocusOut;
  if ((watched != entryLine_ && watched != grid_->editor()) || !(focusIn || focusOut) ||
      static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
    return QWidget::eventFilter(watched, event);
  if (focusOut) commitPendingEdit();
  if (watched == entryLine_) {
    if (focusIn) {
      setEditMode(true);
      replaceOnFirstKey_ = false;
    } else if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
      setEditMode(false);
    }
  } else if (focusIn) {
    replaceOnFirstKey_ = true;
  }
  return QWidget::eventFilter(watched, event);
}

void DataTab::showSelection() {
  const bool shown = selection_.active || (drag_ != DragKind::None && selection_.spansSeveralCells());
  grid_->setHighlight(shown ? std::optional<CellRange>(selection_.rectangle()) : std::nullopt);
}

void DataTab::endRangeSelection() {
  selection_.active = false;
  drag_ = DragKind::None;
  grid_->setHighlight(std::nullopt);
}

// Shift+click selects from the current cell to the cell clicked, which the
// pointer may then drag further; the current cell stays where it is.
void DataTab::cellPressed(CellPosition cell, bool extend) {
  if (extend) {
    commitPendingEdit();
    selection_ = {false, current_, cell};
    drag_ = DragKind::Cells;
    showSelection();
    return;
  }
  endRangeSelection();
  if (cell != current_ || !grid_->editor()->hasFocus()) enterCell(cell, false);
  selection_ = {false, cell, cell};
  drag_ = DragKind::Cells;
}

void DataTab::cellDragged(CellPosition cell) {
  if (drag_ != DragKind::Cells) return;
  selection_.end = cell;
  showSelection();
}

void DataTab::dragFinished() {
  if (drag_ == DragKind::Cells) selection_.active = selection_.spansSeveralCells();
  drag_ = DragKind::None;
  showSelection();
}

void DataTab::selectRows(int anchorRow, int endRow) {
  selection_ = {true, {anchorRow, 0}, {endRow, kSheetColumns - 1}};
  showSelection();
}

void DataTab::selectColumns(int anchorColumn, int endColumn) {
  selection_ = {true, {0, anchorColumn}, {document_.sheet.cells.rowCount() - 1, endColumn}};
  showSelection();
}

// A click on a header item selects its whole row or column and fixes where
// Insert, Delete, Format and Scale act. Shift+click selects the rows or
// columns from the current cell's to the one clicked.
void DataTab::headerPressed(HeaderKind kind, int item, bool extend) {
  if (extend) {
    commitPendingEdit();
    if (kind == HeaderKind::Row) {
      selectRows(current_.row, item);
      drag_ = DragKind::Rows;
    } else {
      selectColumns(current_.column, item);
      drag_ = DragKind::Columns;
    }
    return;
  }
  endRangeSelection();
  headerKind_ = kind;
  headerItem_ = item;
  if (kind == HeaderKind::Row) {
    enterCell({item, 0}, false);
    selectRows(item, item);
    drag_ = DragKind::Rows;
  } else {
    enterCell({0, item}, false);
    selectColumns(item, item);
    drag_ = DragKind::Columns;
  }
}

void DataTab::headerDragged(HeaderKind kind, int item) {
  if (kind == HeaderKind::Row && drag_ == DragKind::Rows) selectRows(selection_.anchor.row, item);
  if (kind == HeaderKind::Column && drag_ == DragKind::Columns) selectColumns(selection_.anchor.column, item);
}

// Context-menu items go through the main window's command table.
void DataTab::addCommand(QMenu& menu, const char* text, int id, bool enabled) {
  QAction* action = menu.addAction(QString::fromLatin1(text));
  action->setEnabled(enabled);
  connect(action, &QAction::triggered, this, [this, id] { emit commandRequested(id); });
}

void DataTab::showCellMenu(const QPoint& globalPosition) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("DatMenu"));
  addCommand(menu, "Cut", command::kCutData, true);
  addCommand(menu, "Copy", command::kCopyData, true);
  addCommand(menu, "Paste", command::kPasteData, ClipboardHasText());
  addCommand(menu, "Clear", command::kClearData, true);
  menu.exec(globalPosition);
}

void DataTab::showHeaderMenu(HeaderKind kind, int item, const QPoint& globalPosition) {
  headerPressed(kind, item, false);
  drag_ = DragKind::None;
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("HdrMenu"));
  const bool column = kind == HeaderKind::Column;
  addCommand(menu, "Cut", command::kCutData, true);
  addCommand(menu, "Copy", command::kCopyData, true);
  addCommand(menu, "Paste", command::kPasteData, ClipboardHasText());
  addCommand(menu, "Insert", command::kInsert, true);
  addCommand(menu, "Delete", command::kDelete, true);
  addCommand(menu, "Clear", command::kClearData, true);
  addCommand(menu, "Format", command::kFormat, column);
  addCommand(menu, "Scale", command::kScale, column);
  menu.exec(globalPosition);
}

void DataTab::editCells(const SheetEdit& edit) {
  emit sheetEdited(edit);
  if (!editMode_) replaceOnFirstKey_ = true;
}

void DataTab::copySelection() {
  commitPendingEdit();
  const std::string text = CopyText(document_.sheet.cells, actedOnRange());
  QGuiApplication::clipboard()->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void DataTab::cutSelection() {
  copySelection();
  clearSelection();
}

void DataTab::clearSelection() {
  commitPendingEdit();
  editCells(CellsCleared{actedOnRange()});
}

void DataTab::paste() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return;
  commitPendingEdit();
  const std::string text = data->text().toStdString();
  const std::optional<PasteHeading> heading = AskPasteHeading(text, this);
  if (!heading) return;
  const PasteNumberAnswer numbers = AskPasteNumberFormat(text, this);
  if (numbers.cancelled) return;
  editCells(TextPasted{text, selection_.active ? selection_.anchor : current_,
                       selection_.active ? std::optional(selection_.rectangle()) : std::nullopt, *heading,
                       numbers.format});
}

void DataTab::selectAll() {
  commitPendingEdit();
  endRangeSelection();
  if (const auto occupied = OccupiedRange(document_.sheet.cells)) {
    selection_ = {true, {occupied->top, occupied->left}, {occupied->bottom, occupied->right}};
    showSelection();
  }
  focusCurrentCell();
}

void DataTab::insertAtHeader() { editAtHeader(RowInserted{headerItem_}, ColumnInserted{headerItem_}); }

void DataTab::deleteAtHeader() { editAtHeader(RowDeleted{headerItem_}, ColumnDeleted{headerItem_}); }

void DataTab::editAtHeader(const SheetEdit& rowEdit, const SheetEdit& columnEdit) {
  if (headerKind_ == HeaderKind::None) return;
  commitPendingEdit();
  editCells(headerKind_ == HeaderKind::Row ? rowEdit : columnEdit);
  focusCurrentCell();
}

void DataTab::formatColumn() {
  if (headerKind_ != HeaderKind::Column) return;
  commitPendingEdit();
  FormatDialog dialog(document_.sheet.formats[headerItem_], this);
  PlaceDialog(&dialog, MainWindowOf(this));
  if (dialog.exec() == QDialog::Accepted) editCells(ColumnFormatted{headerItem_, dialog.format()});
  focusCurrentCell();
}

void DataTab::scaleVariable() {
  if (headerKind_ != HeaderKind::Column) return;
  commitPendingEdit();
  // The grid shows each step on a copy of the sheet; the document takes the
  // column only on OK.
  DataSheet preview = document_.sheet;
  ScaleDialog dialog(preview, headerItem_, this);
  connect(&dialog, &ScaleDialog::columnChanged, this, [this] {
    grid_->viewport()->update();
    showCurrentCell();
  });
  grid_->setSheet(preview);
  PlaceDialog(&dialog, MainWindowOf(this));
  const bool accepted = dialog.exec() == QDialog::Accepted;
  grid_->setSheet(document_.sheet);
  if (accepted) editCells(ColumnScaled{headerItem_, SaveColumn(preview.cells, headerItem_)});
  else showCurrentCell();
  focusCurrentCell();
}

void DataTab::columnResized(int column, int width) {
  if (width != document_.sheet.columnWidth(column)) emit sheetEdited(ColumnResized{column, width});
}

// A sheet that grew or shrank may need another width of the row strip.
void DataTab::layoutGrid() {
  if (rowStrip_->stripWidth() != rowStrip_->width()) placePieces();
  grid_->relayout();
  columnHeader_->update();
  rowStrip_->update();
}

void DataTab::reloadFromDocument() {
  entryEdited_ = false;
  headerKind_ = HeaderKind::None;
  endRangeSelection();
  layoutGrid();
  grid_->scrollToTopRow();
  grid_->scrollToFirstColumn();
  enterCell({0, 0}, false);
}

}  // namespace rv
