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

  // After the entries changed: the equation column is made wide enough for
  // the longest equation.
  void fitEquationColumn();
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
