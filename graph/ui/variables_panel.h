#pragma once

#include <QScrollArea>
#include <array>

#include "sheet/data_sheet.h"

class QLineEdit;

namespace rv {

// The scrolling panel "VarsWnd" of the Variables dialog: a row with the
// name box of Y, then per variable X1 to X16 its label, name box and the
// boxes of its graph Minimum, Maximum and Constant.
class VariablesPanel : public QScrollArea {
  Q_OBJECT
 public:
  enum ValueBox { kMinimumBox = 0, kMaximumBox = 1, kConstantBox = 2 };

  static constexpr int kYNameId = 201;
  static constexpr int kWidth = 428;
  static constexpr int kHeight = 208;
  static constexpr int kLineStep = 20;
  static constexpr int kPageStep = 80;

  explicit VariablesPanel(QWidget* parent);

  // The control ids of variable 1 to 16's label, name box and value boxes.
  static int LabelId(int variable) { return 202 + 5 * (variable - 1); }
  static int NameId(int variable) { return 203 + 5 * (variable - 1); }
  static int ValueId(int variable, ValueBox box) { return 204 + 5 * (variable - 1) + box; }
  // The id whose help a box shows: every row's value box shares that of the
  // first row's box in its column.
  static int HelpId(int id);

  // Column 0 is Y, column v is Xv.
  QLineEdit* nameBox(int column) const { return names_[static_cast<size_t>(column)]; }
  QLineEdit* valueBox(int variable, ValueBox box) const {
    return values_[static_cast<size_t>(variable)][static_cast<size_t>(box)];
  }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::array<QLineEdit*, kSheetColumns> names_{};
  // Slot 0 (Y) has no value boxes.
  std::array<std::array<QLineEdit*, 3>, kSheetColumns> values_{};
};

}  // namespace rv
