#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "regress/equation_list.h"

namespace rv {

// The ranked list as the list view sees it: one row per entry, best first,
// five columns (the R squared text, the ordinal text, the number of
// coefficients, the value of the criterion that ranked the list, the
// equation). The texts stay in the equation list and are handed out when
// the view asks; the criterion's column is empty for a list by R squared.
class EquationListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kRSquaredColumn = 0;
  static constexpr int kOrdinalColumn = 1;
  static constexpr int kCoefficientsColumn = 2;
  static constexpr int kCriterionColumn = 3;
  static constexpr int kEquationColumn = 4;
  static constexpr int kColumnCount = 5;

  explicit EquationListModel(const EquationList& equations, QObject* parent = nullptr);

  // Shows the list's entries in their ranked order, or none.
  void showEntries();
  void showNothing();

  // The entry shown in this row, nullptr when there is none.
  const EquationRecord* entryAt(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const EquationList& equations_;
  std::vector<int> sortOrder_;  // slot of the entry in each row
};

}  // namespace rv
