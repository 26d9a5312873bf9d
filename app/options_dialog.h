#pragma once

#include <QDialog>

#include "sheet/document.h"

class QTabWidget;

namespace rv {

class OptionsEquationsPage;
class OptionsGraphPage;

// The Options dialog ("OptnDlg"): two pages, nothing stored until OK. Only
// the colour strip's current row is written to the options as soon as it is
// clicked.
class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(DocumentOptions& options, bool showToolTips, QWidget* parent);

  // The options with the dialog's values, every number clamped to its range.
  DocumentOptions chosenOptions() const;
  bool chosenShowToolTips() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DocumentOptions& options_;
  QTabWidget* tabs_;
  OptionsEquationsPage* equationsPage_;
  OptionsGraphPage* graphPage_;
};

// Shows the dialog over owner. On OK the options and showToolTips take the
// dialog's values and the result is true; Cancel leaves them as they were.
bool ShowOptionsDialog(QWidget* owner, DocumentOptions& options, bool& showToolTips);

}  // namespace rv
