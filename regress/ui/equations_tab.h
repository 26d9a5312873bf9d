#pragma once

#include <QWidget>

#include "regress/equation_list.h"
#include "regress/search_run.h"
#include "regress/ui/finished_search.h"
#include "sheet/document.h"

class QProgressBar;
class QPushButton;
class QTimer;

namespace rv {

class EquationListModel;
class EquationListView;
class LeftOutNotice;
class RankingChoice;
class SetStatusLines;
class StatusBar;
class StickyButton;

// What the Equations tab shows; the main window owns all of it. The tab
// reads the document and the list, and shows a search's progress in the main
// window's status bar and progress bar.
struct EquationsTabContext {
  const Document& document;
  const EquationList& equations;
  const RankingCriterion& rankBy;  // what the next search ranks by
  StatusBar& status;
  QProgressBar& progress;
};

// "EqunTab": Start, Stop and Stats, the status lines of the equation sets
// and the ranked list. A search runs on the engine's worker threads; the tab
// polls it, shows its progress and, at its end, reports what it found and
// shows the list best first. What the user does is reported to the owner,
// which changes the list, the selection and the current equation.
class EquationsTab : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kStartId = 301;
  static constexpr int kStopId = 302;
  static constexpr int kStatsId = 303;
  // The count and the progress bar follow a search every two seconds.
  static constexpr int kProgressPeriodMs = 2000;
  // How often the tab looks for the sets reached and the end of a search.
  static constexpr int kWatchPeriodMs = 100;

  static constexpr const char* kSelectToDisplayMessage = "Select the equation to display.";

  explicit EquationsTab(EquationsTabContext context, QWidget* parent = nullptr);
  ~EquationsTab() override;

  // Presses Start: a search starts, or, while one runs, it is asked to stop.
  void pressStart();
  // Presses Stats: the statistics of the selected equation, or, while a
  // search runs, a stop request.
  void pressStats();
  // Asks a running search to stop; it ends with the equations found so far.
  void requestStop();
  // After New or Open: the status lines cleared and the list shown anew from
  // the equation list, with this row selected. A search still running
  // belongs to the sheet that was replaced: it is stopped and its result
  // dropped.
  void reloadList(int selectedRow);

  // The sheet changed: the line of what takes no part follows it.
  void showLeftOutData();
  // After the owner changed the criterion the next search ranks by.
  void showRankBy();

  // From Start until the tab has shown the search's end.
  bool searchRunning() const { return searching_; }

  StickyButton* startButton() const { return start_; }
  QPushButton* stopButton() const { return stop_; }
  StickyButton* statsButton() const { return stats_; }
  SetStatusLines* statusLines() const { return statusLines_; }
  EquationListView* list() const { return list_; }
  EquationListModel* listModel() const { return model_; }
  LeftOutNotice* leftOutNotice() const { return leftOut_; }
  RankingChoice* rankingChoice() const { return ranking_; }

 signals:
  // A context-menu item, for the main window's command table.
  void commandRequested(int id);
  // A search starts: the list it replaces is gone and nothing is selected.
  void searchStarted();
  // A search ended with this list; the tab shows it once the signal returns.
  void searchFinished(const rv::FinishedSearch& search);
  // The user chose what the next search ranks by.
  void rankByChosen(rv::RankingCriterion criterion);
  // A row of the list was selected, or none (-1).
  void selectionChanged(int row);
  // Stats for the selected row: the owner makes its equation current, shows
  // its statistics and returns when the user has closed them.
  void statisticsRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buttonCommand(int id);
  void startPressed();
  void statsPressed();
  void startSearch();
  void watchSearch();
  void showProgress();
  void finishSearch(SearchOutcome outcome);
  void showStatistics();
  void selectRow(int row);
  void showContextMenu(const QPoint& globalPosition);

  EquationsTabContext context_;
  SearchRun run_;
  bool searching_ = false;
  bool weighted_ = false;  // the running or last search is weighted by sigma of Y
  // The sheet the running search started from was replaced: its result is dropped.
  bool abandoned_ = false;
  // The report of the running search: its shape and counts from the start,
  // its list and candidate count at the end.
  FinishedSearch report_;
  std::int64_t progressScale_ = 1;

  StickyButton* start_;
  QPushButton* stop_;
  StickyButton* stats_;
  SetStatusLines* statusLines_;
  RankingChoice* ranking_;
  EquationListModel* model_;
  EquationListView* list_;
  LeftOutNotice* leftOut_;
  QTimer* progressTimer_;
  QTimer* watchTimer_;
};

}  // namespace rv
