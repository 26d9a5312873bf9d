#pragma once

#include <QDialog>

#include "sheet/document.h"

class QTabWidget;

namespace rv {

class OptionsEquationsPage;
class OptionsGraphPage;

// The Options dialog ("OptnDlg"): two pages showing the options it was
// given; it changes nothing itself.
class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(const DocumentOptions& options, bool showToolTips, QWidget* parent);

  // The options with the dialog's values, every number clamped to its range.
  DocumentOptions chosenOptions() const;
  bool chosenShowToolTips() const;
  int chosenColorRow() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const DocumentOptions& options_;
  QTabWidget* tabs_;
  OptionsEquationsPage* equationsPage_;
  OptionsGraphPage* graphPage_;
};

// What the user left in the Options dialog: on OK every option as the dialog
// shows it; on Cancel the options as they were but for the colour strip's
// row, which is kept either way.
struct OptionsAnswer {
  bool accepted = false;
  DocumentOptions options;
  bool showToolTips = true;
};

// Shows the dialog over owner with these options.
OptionsAnswer ShowOptionsDialog(QWidget* owner, const DocumentOptions& options, bool showToolTips);

}  // namespace rv
