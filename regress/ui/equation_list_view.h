#pragma once

#include <QTableView>

namespace rv {

class EquationListModel;

// The list view of the Equations tab: no header of its own (the tab paints
// the headings), one row selected at a time, shown whole and with grid
// lines, the selection shown also while the list has no focus.
class EquationListView : public QTableView {
  Q_OBJECT
 public:
  static constexpr int kId = 330;

  explicit EquationListView(EquationListModel* model, QWidget* parent = nullptr);

  // After the entries changed: the ordinal and equation columns are made
  // wide enough for their longest text. The data file's fixed fields cut an
  // ordinal's text to 8 characters and an equation to 128; the list shows
  // both whole, however long.
  void fitColumns();
  int selectedRow() const;
  void selectRow(int row);

 signals:
  // A row was selected, or none (-1).
  void rowSelected(int row);
  // Double-click or Enter on a row.
  void rowActivated(int row);
  void contextMenuAt(const QPoint& globalPosition);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace rv
