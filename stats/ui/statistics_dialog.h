#pragma once

#include <QDialog>
#include <array>

#include "regress/fit_workspace.h"
#include "sheet/document.h"
#include "stats/fit_criteria.h"
#include "stats/printed_statistics_page.h"
#include "stats/statistics_pass.h"
#include "stats/ui/print_page.h"

class QLabel;
class QPushButton;

namespace rv {

class CoefficientsPage;
class CriteriaPage;
class FunctionSavePanel;
class ResidualsPage;
class StdErrorsPage;
class StickyButton;

// "StatDlg", the Equation Statistics dialog: the current equation's
// coefficients and statistics, its residuals as a list or a chart, the
// standard errors of its terms, its function, and the criteria that weigh
// its fit against its coefficients, each on a page of its own
// with a copy to the clipboard. Its Print page asks its owner to print the
// page the user came from, with the settings chosen there.
class StatisticsDialog : public QDialog {
  Q_OBJECT
 public:
  enum Page {
    kCoefficientsPage = 0,
    kResidualsPage = 1,
    kStdErrorsPage = 2,
    kFunctionPage = 3,
    kPrintPage = 4,
    kCriteriaPage = 5
  };

  static constexpr int kTitleId = 101;
  static constexpr int kResidualsButtonId = 601;
  static constexpr int kStdErrorsButtonId = 602;
  static constexpr int kFunctionButtonId = 603;
  static constexpr int kPrintButtonId = 604;
  static constexpr int kCopyButtonId = 605;
  static constexpr int kCriteriaButtonId = 606;
  static constexpr int kCloseButtonId = 2;
  // Titles longer than this take two lines.
  static constexpr int kOneLineTitleLength = 64;

  // Shows the equation the workspace holds (it must be current: the caller
  // re-creates it first). The statistics are computed once, on opening, by
  // the engine's StatisticsPass; the data folder is the panel's start folder.
  // The Print page offers the printers and faces of print.
  StatisticsDialog(const FitWorkspace& equation, const Document& document, QWidget* mainWindow,
                   const PrintPageChoices& print = {});

  // 0 Coefficients, 1 Residuals, 2 Std Errs, 3 Function, 4 Print, 5 Criteria.
  int page() const { return page_; }
  // What the Copy button does on the page that shows.
  void copyPage();

  const FitWorkspace& equation() const { return equation_; }
  const EquationStatistics& statistics() const { return statistics_; }
  const FitCriteria& criteria() const { return criteria_; }
  ResidualsPage* residualsPage() const { return residualsPage_; }
  FunctionSavePanel* functionPanel() const { return functionPanel_; }
  PrintPage* printPage() const { return printPage_; }

 signals:
  // The Print page's Print button with a printer selected: the owner stores
  // the settings and prints the page's printout (StatisticsPrintout of the
  // dialog's equation and statistics) before the dialog goes on.
  void printRequested(const PrintSettings& settings, const PrintedStatisticsPage& printed);
  // The Print page's Preview button: the owner shows the printout's pages
  // with the settings; nothing is printed or stored.
  void previewRequested(const PrintSettings& settings, const PrintedStatisticsPage& printed);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // A page button was pressed: its page shows, or, when it shows already,
  // the Coefficients page.
  void pagePressed(int buttonId);
  void showPage(int page);
  QWidget* pageWidget(int page) const;
  void placeTitle();
  // The Print page's Print or Preview button: the page to print goes to
  // the signal; a beep when no printer is selected.
  void printPageToPrint(bool preview);

  const FitWorkspace equation_;
  const EquationStatistics statistics_;
  const FitCriteria criteria_;
  int page_ = kCoefficientsPage;
  // The page that showed when the Print page was opened; its report prints.
  int pageToPrint_ = kCoefficientsPage;

  QLabel* title_;
  CoefficientsPage* coefficientsPage_;
  ResidualsPage* residualsPage_;
  StdErrorsPage* stdErrorsPage_;
  CriteriaPage* criteriaPage_;
  FunctionSavePanel* functionPanel_;
  PrintPage* printPage_;
  std::array<StickyButton*, 5> pageButtons_;  // 601 to 604, then 606
  QPushButton* copyButton_;
};

}  // namespace rv
