#pragma once

#include <QDialog>

#include "sheet/data_sheet.h"
#include "sheet/scale_variable.h"

class QLineEdit;

namespace rv {

// "ScleDlg": adds, subtracts, multiplies or divides every value of one column
// by a factor, as often as the user likes. The sheet it is given changes at
// once; the caller gives it a copy and keeps the copy's column on OK.
class ScaleDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kFactorId = 101;
  static constexpr int kAddId = 102;
  static constexpr int kSubtractId = 103;
  static constexpr int kMultiplyId = 104;
  static constexpr int kDivideId = 105;

  ScaleDialog(DataSheet& sheet, int column, QWidget* parent = nullptr);

 signals:
  void columnChanged();

 private:
  void apply(ScaleOperation operation);

  DataSheet& sheet_;
  int column_;
  QLineEdit* factor_;
};

}  // namespace rv
