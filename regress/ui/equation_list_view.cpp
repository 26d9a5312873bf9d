#include "regress/ui/equation_list_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>

#include "regress/ui/equation_list_model.h"
#include "widgets/control_id.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

constexpr int kColumnWidths[] = {68, 56, 24, 84, 800};
constexpr int kRowHeight = 16;
constexpr int kTextMargin = 8;

}  // namespace

EquationListView::EquationListView(EquationListModel* model, QWidget* parent) : QTableView(parent) {
  setModel(model);
  SetControlId(this, kId);
  AddTooltip(this, kTipEquationList);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  for (int column = 0; column < model->columnCount(); ++column) setColumnWidth(column, kColumnWidths[column]);
  setColumnHidden(EquationListModel::kCriterionColumn, true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setTabKeyNavigation(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  // The selection keeps its colours when the focus is elsewhere.
  QPalette colours = palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  setPalette(colours);

  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit rowSelected(selectedRow()); });
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) emit rowActivated(index.row());
  });
}

void EquationListView::fitColumns() {
  auto* entries = static_cast<EquationListModel*>(model());
  // The criterion's column shows only when a criterion other than R squared ranked the list.
  bool criterionShown = false;
  for (int row = 0; row < entries->rowCount() && !criterionShown; ++row)
    criterionShown = !entries->index(row, EquationListModel::kCriterionColumn).data().toString().isEmpty();
  setColumnHidden(EquationListModel::kCriterionColumn, !criterionShown);
  const QFontMetrics metrics(font());
  for (int column : {EquationListModel::kOrdinalColumn, EquationListModel::kEquationColumn}) {
    int widest = kColumnWidths[column];
    for (int row = 0; row < entries->rowCount(); ++row)
      widest = std::max(widest, metrics.horizontalAdvance(entries->index(row, column).data().toString()) + kTextMargin);
    setColumnWidth(column, widest);
  }
}

int EquationListView::selectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void EquationListView::selectRow(int row) {
  if (row < 0 || row >= model()->rowCount()) {
    clearSelection();
    return;
  }
  setCurrentIndex(model()->index(row, 0));
  QTableView::selectRow(row);
  scrollTo(model()->index(row, 0));
}

void EquationListView::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (selectedRow() >= 0) emit rowActivated(selectedRow());
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void EquationListView::contextMenuEvent(QContextMenuEvent* event) {
  emit contextMenuAt(event->globalPos());
  event->accept();
}

}  // namespace rv
