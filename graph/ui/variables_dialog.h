#pragma once

#include <QDialog>
#include <optional>

#include "graph/ui/graph_variable_values.h"
#include "sheet/data_sheet.h"

class QCheckBox;

namespace rv {

class VariablesPanel;

// The Variables dialog ("VarsDlg"): the names of Y and X1 to X16 and the
// graph values of X1 to X16, with Auto Update. Set fills the value boxes
// from the data; nothing is stored by the dialog itself.
class VariablesDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kAutoUpdateId = 290;
  static constexpr int kSetId = 291;

  VariablesDialog(const DataSheet& sheet, QWidget* parent);

  // The names and values as the boxes show them: an empty value box is an
  // empty value, other text reads as its leading number.
  GraphVariableValues values() const;
  VariablesPanel* panel() const { return panel_; }

 private:
  void showSheet();
  void setFromData();

  const DataSheet& sheet_;
  VariablesPanel* panel_;
  QCheckBox* autoUpdate_;
};

// The dialog over owner; on OK the values the user left, on Cancel nothing.
std::optional<GraphVariableValues> ShowVariablesDialog(QWidget* owner, const DataSheet& sheet);

}  // namespace rv
