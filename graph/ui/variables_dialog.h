#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "graph/ui/graph_variable_values.h"
#include "graph/ui/variables_panel.h"
#include "sheet/data_sheet.h"

class QCheckBox;
class QLineEdit;

namespace rv {

// The Variables dialog ("VarsDlg"): the names of Y and X1 to X16 and the
// graph values of X1 to X16, with Auto Update. Set fills the value boxes
// from the data; nothing is stored by the dialog itself. Values show with
// every digit they need, and a box left as shown gives back its value bit
// for bit. OK refuses a value box that holds no number: the box is marked
// and the dialog stays.
class VariablesDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kAutoUpdateId = 290;
  static constexpr int kSetId = 291;

  VariablesDialog(const DataSheet& sheet, QWidget* parent);

  // The names and values as the boxes show them: an empty value box is an
  // empty value, a box as it was shown its value, other text its number.
  GraphVariableValues values() const;
  VariablesPanel* panel() const { return panel_; }

 private:
  // The text a value box was given and the value behind it.
  struct ShownValue {
    QString text;
    double value = 0.0;
  };

  void showValue(int variable, VariablesPanel::ValueBox box, double value);
  void showSheet();
  void setFromData();
  void acceptIfNumbers();
  // The value a box stands for; nothing when its text is no number.
  std::optional<double> valueOf(int variable, VariablesPanel::ValueBox box) const;
  QLineEdit* firstRefusedBox() const;

  const DataSheet& sheet_;
  std::array<std::array<ShownValue, 3>, kSheetColumns> shown_{};
  VariablesPanel* panel_;
  QCheckBox* autoUpdate_;
};

// The dialog over owner; on OK the values the user left, on Cancel nothing.
std::optional<GraphVariableValues> ShowVariablesDialog(QWidget* owner, const DataSheet& sheet);

}  // namespace rv
