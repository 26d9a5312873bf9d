#pragma once

#include <QWidget>

#include "sheet/cell_range.h"
#include "sheet/document.h"
#include "sheet/sheet_edit.h"
#include "sheet/sheet_navigation.h"

class QLabel;
class QMenu;
class QToolButton;

namespace rv {

class CellEditor;
class DataGrid;
class GridHeader;

// The Data tab: the grid of the sheet's rows (99 or more) by 17 columns with
// its column header and row strip, the name box and the entry line. It shows the document and reports
// every change the user makes as a SheetEdit; its owner applies the edit and
// calls showSheet(). A typed text is reported when its editor loses the
// keyboard or the current cell changes.
class DataTab : public QWidget {
  Q_OBJECT
 public:
  explicit DataTab(const Document& document, QWidget* parent = nullptr);

  void copySelection();
  void paste();
  void cutSelection();
  void clearSelection();
  void selectAll();
  void toggleEditMode();
  void insertAtHeader();
  void deleteAtHeader();
  void formatColumn();
  void scaleVariable();
  // Reports the text being typed in the current cell; the text stays as typed.
  void commitPendingEdit();
  void endRangeSelection();
  // The sheet changed: the grid, its headers and the current cell's texts
  // are shown anew; a text being typed stays.
  void showSheet();
  // After New or Open: names, widths and every cell from the document, the
  // pending entry dropped, the focus on cell (0, 0).
  void reloadFromDocument();
  // The keyboard goes to the current cell while the Data tab shows.
  void focusCurrentCell();

  CellPosition currentCell() const { return current_; }
  bool editMode() const { return editMode_; }
  // The cells an editing command acts on.
  CellRange actedOnRange() const;
  bool hasRangeSelection() const { return selection_.active; }
  // The control id of the grid cell under a global position, or -1 off the grid.
  int cellIdAt(const QPoint& globalPosition) const;

  DataGrid* grid() const { return grid_; }
  CellEditor* cellEditor() const;
  CellEditor* entryLine() const { return entryLine_; }
  QLabel* nameBox() const { return nameBox_; }
  GridHeader* columnHeader() const { return columnHeader_; }
  GridHeader* rowStrip() const { return rowStrip_; }

 signals:
  // The user changed the sheet.
  void sheetEdited(const rv::SheetEdit& edit);
  // A key changed the text being typed: the document counts as modified
  // from the first key on, before the text is committed.
  void modified();
  void commandRequested(int id);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class HeaderKind { None, Row, Column };
  enum class DragKind { None, Cells, Rows, Columns };

  void enterCell(CellPosition cell, bool keepEntryLineFocus);
  void showCurrentCell();
  void keepCurrentCellOnSheet();
  void setEditMode(bool on);
  // Reports an edit of cells; the next key replaces the current cell again.
  void editCells(const SheetEdit& edit);
  void navigate(NavigationKey key, bool fromEntryLine);
  void typingStarts();
  void cellTextEdited(const QString& text);
  void entryTextEdited(const QString& text);

  void cellPressed(CellPosition cell, bool extend);
  void cellDragged(CellPosition cell);
  void dragFinished();
  void selectRows(int anchorRow, int endRow);
  void selectColumns(int anchorColumn, int endColumn);
  void headerPressed(HeaderKind kind, int item, bool extend);
  void headerDragged(HeaderKind kind, int item);
  void showSelection();

  void addCommand(QMenu& menu, const char* text, int id, bool enabled);
  // Insert or Delete on the row or column of the last header click.
  void editAtHeader(const SheetEdit& rowEdit, const SheetEdit& columnEdit);
  void showCellMenu(const QPoint& globalPosition);
  void showHeaderMenu(HeaderKind kind, int item, const QPoint& globalPosition);
  void columnResized(int column, int width);
  void placePieces();
  void layoutGrid();

  const Document& document_;
  QLabel* nameBox_;
  CellEditor* entryLine_;
  DataGrid* grid_;
  GridHeader* columnHeader_;
  GridHeader* rowStrip_;
  QToolButton* corner_;
  QToolButton* topArrow_;
  QToolButton* leftArrow_;

  CellPosition current_;
  bool replaceOnFirstKey_ = true;
  bool editMode_ = false;
  // The entry line holds text typed since the cell was entered or last
  // committed. A cell is committed only when its text was edited, not each
  // time the current cell changes: storing the shown text back would round
  // a value to the eleven decimals it displays.
  bool entryEdited_ = false;
  RangeSelection selection_;
  DragKind drag_ = DragKind::None;
  HeaderKind headerKind_ = HeaderKind::None;
  int headerItem_ = 0;
};

}  // namespace rv
