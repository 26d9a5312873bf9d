#pragma once

#include <QDialog>

#include "sheet/data_sheet.h"

class QLabel;
class QListWidget;

namespace rv {

class UpDownEdit;

// "FrmtDlg": the display format of one column, with a preview of a sample value.
class FormatDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kCategoryId = 101;
  static constexpr int kPlacesId = 102;
  static constexpr int kPlacesUpDownId = 103;
  static constexpr int kPreviewId = 104;

  FormatDialog(ColumnFormat format, QWidget* parent = nullptr);

  // The chosen format; a typed number of places beyond 12 counts as 12.
  ColumnFormat format() const;

 private:
  void showFormat();

  QListWidget* category_;
  UpDownEdit* places_;
  QLabel* preview_;
};

}  // namespace rv
