#pragma once

#include <QWidget>

#include "app/options_dialog.h"
#include "sheet/document.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace rv {

class UpDownEdit;

// The Equations page of the Options dialog ("OptnGen"): printout titles,
// equation sets, Maximum Terms, Move Selection After Enter, tooltips, the
// memory Undo may keep, and whether fits are weighted by sigma of Y in X16.
class OptionsEquationsPage : public QWidget {
  Q_OBJECT
 public:
  OptionsEquationsPage(const DocumentOptions& options, const ProgramOptions& program, QWidget* parent);

  // Copies the page's values into options, each clamped to its range.
  void store(DocumentOptions& options) const;
  ProgramOptions programOptions() const;

  void focusFirst();

 private:
  QLineEdit* title1_;
  QLineEdit* title2_;
  PerEquationSet<QCheckBox*> sets_{};
  UpDownEdit* maxTerms_;
  QCheckBox* moveSelection_;
  QComboBox* moveDirection_;
  QCheckBox* toolTips_;
  UpDownEdit* undoMemory_;
  QCheckBox* weightedBySigma_;
};

}  // namespace rv
