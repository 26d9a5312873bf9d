#pragma once

#include <QFileDialog>

#include "regress/fit_workspace.h"
#include "stats/function_language.h"

class QCheckBox;
class QLineEdit;

namespace rv {

class PictureButton;

// The Function page of the statistics dialog: a file chooser, embedded as a
// widget, that saves the current equation as a function. The user picks a
// folder, types a name and chooses the language in the "Language:" list;
// the save button writes the file and the panel stays open. Escape closes
// the statistics dialog. "Add the band function" appends the function of
// the bands' half-width at the statistics' level to what is saved and
// copied; it is off by default and disabled for an equation without bands.
class FunctionSavePanel : public QFileDialog {
  Q_OBJECT
 public:
  static constexpr int kSaveButtonId = 409;
  static constexpr int kBandFunctionId = 410;

  FunctionSavePanel(const FitWorkspace& equation, double bandLevel, const QString& folder, QWidget* parent);

  // The language chosen in the Language list.
  FunctionLanguage language() const;
  QLineEdit* fileNameBox() const;

  // The function in the chosen language, with the band function when asked.
  std::string functionText() const;

  // What the save button does: an empty name beeps and leaves the focus in
  // the name box; otherwise the file is the name, with the language's
  // extension, in the folder shown. A name of a folder opens that folder.
  void save();

 signals:
  void cancelled();

 public slots:
  // A chosen file (Enter in the name box, a double-click on a file) is saved;
  // the panel never closes itself.
  void accept() override;
  void reject() override;

 private:
  bool confirmReplace(const std::string& path);

  const FitWorkspace& equation_;
  double bandLevel_;
  PictureButton* saveButton_;
  QCheckBox* bandFunction_;
};

}  // namespace rv
