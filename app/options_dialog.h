#pragma once

#include <QDialog>

#include "files/settings_file.h"
#include "sheet/document.h"

class QTabWidget;

namespace rv {

class OptionsEquationsPage;
class OptionsGraphPage;

// The options of the program rather than of the document: kept in the
// settings file.
struct ProgramOptions {
  bool showToolTips = true;
  int undoMegabytes = kDefaultUndoMegabytes;  // the memory Undo may keep
};

// The Options dialog ("OptnDlg"): two pages showing the options it was
// given; it changes nothing itself.
class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(const DocumentOptions& options, const ProgramOptions& program, QWidget* parent);

  // The options with the dialog's values, every number clamped to its range.
  DocumentOptions chosenOptions() const;
  ProgramOptions chosenProgramOptions() const;
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
  ProgramOptions program;
};

// Shows the dialog over owner with these options.
OptionsAnswer ShowOptionsDialog(QWidget* owner, const DocumentOptions& options, const ProgramOptions& program);

}  // namespace rv
