#pragma once

#include <QDialog>
#include <array>

#include "regress/fit_workspace.h"
#include "sheet/document.h"
#include "stats/statistics_pass.h"

class QLabel;
class QPushButton;

namespace rv {

class CoefficientsPage;
class FunctionSavePanel;
class ResidualsPage;
class StdErrorsPage;
class StickyButton;

// "StatDlg", the Equation Statistics dialog: the current equation's
// coefficients and statistics, its residuals as a list or a chart, the
// standard errors of its terms, and its function, each on a page of its own
// with a copy to the clipboard.
class StatisticsDialog : public QDialog {
  Q_OBJECT
 public:
  enum Page { kCoefficientsPage = 0, kResidualsPage = 1, kStdErrorsPage = 2, kFunctionPage = 3, kPrintPage = 4 };

  static constexpr int kTitleId = 101;
  static constexpr int kResidualsButtonId = 601;
  static constexpr int kStdErrorsButtonId = 602;
  static constexpr int kFunctionButtonId = 603;
  static constexpr int kPrintButtonId = 604;
  static constexpr int kCopyButtonId = 605;
  static constexpr int kCloseButtonId = 2;
  // Titles longer than this take two lines.
  static constexpr int kOneLineTitleLength = 64;

  // Shows the equation the workspace holds (it must be current: the caller
  // re-creates it first). The statistics are computed once, on opening, by
  // the engine's StatisticsPass; the data folder is the panel's start folder.
  StatisticsDialog(const FitWorkspace& equation, const Document& document, QWidget* mainWindow);

  // 0 Coefficients, 1 Residuals, 2 Std Errs, 3 Function, 4 Print.
  int page() const { return page_; }
  // What the Copy button does on the page that shows.
  void copyPage();

  const EquationStatistics& statistics() const { return statistics_; }
  ResidualsPage* residualsPage() const { return residualsPage_; }
  FunctionSavePanel* functionPanel() const { return functionPanel_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // A page button was pressed: its page shows, or, when it shows already,
  // the Coefficients page.
  void pagePressed(int buttonId);
  void showPage(int page);
  QWidget* pageWidget(int page) const;
  void placeTitle();

  const FitWorkspace equation_;
  const EquationStatistics statistics_;
  int page_ = kCoefficientsPage;

  QLabel* title_;
  CoefficientsPage* coefficientsPage_;
  ResidualsPage* residualsPage_;
  StdErrorsPage* stdErrorsPage_;
  FunctionSavePanel* functionPanel_;
  std::array<StickyButton*, 4> pageButtons_;  // 601 to 604
  QPushButton* copyButton_;
};

}  // namespace rv
