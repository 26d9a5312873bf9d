#include "stats/ui/report_list.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <algorithm>

#include "widgets/control_id.h"

namespace rv {

namespace {

constexpr int kRowHeight = 16;
// The room a cell's text leaves to the grid lines on both sides.
constexpr int kCellPadding = 8;

}  // namespace

// The texts of a report list, row by row, aligned as their columns say.
class ReportRows : public QAbstractTableModel {
 public:
  ReportRows(const std::vector<ReportColumn>& columns, QObject* parent)
      : QAbstractTableModel(parent), columns_(columns) {}

  void setRows(const std::vector<std::vector<std::string>>& rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const size_t column = static_cast<size_t>(index.column());
    if (role == Qt::TextAlignmentRole)
      return QVariant::fromValue(Qt::AlignVCenter | (columns_[column].rightAligned ? Qt::AlignRight : Qt::AlignLeft));
    if (role != Qt::DisplayRole) return {};
    const std::vector<std::string>& texts = rows_[static_cast<size_t>(index.row())];
    return column < texts.size() ? QString::fromStdString(texts[column]) : QString();
  }

 private:
  std::vector<ReportColumn> columns_;
  std::vector<std::vector<std::string>> rows_;
};

ReportList::ReportList(int id, const std::vector<ReportColumn>& columns, QWidget* parent)
    : QTableView(parent), columns_(columns), rows_(new ReportRows(columns, this)) {
  setModel(rows_);
  SetControlId(this, id);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  setRows({});
  setShowGrid(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

  QPalette colours = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Base, Qt::white);
    colours.setColor(group, QPalette::Text, Qt::black);
  }
  // The selected row stays marked, in the active colours, when the focus moves on.
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(colours);
}

void ReportList::setRows(const std::vector<std::vector<std::string>>& rows) {
  rows_->setRows(rows);
  // A reset model may give the header its default sections back. Each
  // column is as wide as it was laid out, or as its longest text needs: a
  // point number of 100,000, a long number are never cut.
  const QFontMetrics metrics(font());
  for (size_t c = 0; c < columns_.size(); ++c) {
    const std::string* longest = nullptr;
    for (const std::vector<std::string>& row : rows)
      if (c < row.size() && (longest == nullptr || row[c].size() > longest->size())) longest = &row[c];
    const int needed =
        longest == nullptr ? 0 : metrics.horizontalAdvance(QString::fromStdString(*longest)) + kCellPadding;
    setColumnWidth(static_cast<int>(c), std::max(columns_[c].width, needed));
  }
}

}  // namespace rv
