#include "regress/ui/equation_list_model.h"

#include <cmath>

#include "sheet/value_text.h"

namespace rv {

EquationListModel::EquationListModel(const EquationList& equations, QObject* parent)
    : QAbstractTableModel(parent), equations_(equations) {}

void EquationListModel::showEntries() {
  beginResetModel();
  sortOrder_ = equations_.sortOrder();
  endResetModel();
}

void EquationListModel::showNothing() {
  beginResetModel();
  sortOrder_.clear();
  endResetModel();
}

// The list may be replaced (a file read, a new sheet) a moment before the
// view is told; a row whose slot is gone then shows nothing.
const EquationRecord* EquationListModel::entryAt(int row) const {
  if (row < 0 || row >= static_cast<int>(sortOrder_.size())) return nullptr;
  const int slot = sortOrder_[static_cast<size_t>(row)];
  return slot < equations_.size() ? &equations_.slot(slot) : nullptr;
}

int EquationListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(sortOrder_.size());
}

int EquationListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant EquationListModel::data(const QModelIndex& index, int role) const {
  const EquationRecord* entry = entryAt(index.row());
  if (entry == nullptr) return {};
  if (role == Qt::TextAlignmentRole) {
    const bool number = index.column() == kOrdinalColumn || index.column() == kCoefficientsColumn;
    const Qt::Alignment horizontal = number ? Qt::AlignRight : Qt::AlignLeft;
    return static_cast<int>(horizontal | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kRSquaredColumn: return QString::fromStdString(entry->rSquaredText);
    case kOrdinalColumn: return QString::fromStdString(entry->ordinalText);
    // A record read from a data file has no count and no criterion.
    case kCoefficientsColumn:
      return entry->score.coefficients > 0 ? QString::number(entry->score.coefficients) : QString();
    case kCriterionColumn: {
      const RankingCriterion criterion = equations_.criterion();
      const double value = entry->score.value(criterion);
      if (criterion == RankingCriterion::RSquared || !std::isfinite(value)) return QString();
      return QString::fromStdString(FormatText(" %f", value));
    }
    case kEquationColumn: return QString::fromStdString(entry->text);
    default: return {};
  }
}

}  // namespace rv
