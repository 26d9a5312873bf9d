#pragma once

#include <QWidget>

#include "files/data_file_session.h"
#include "regress/enumeration.h"
#include "regress/equation_list.h"
#include "regress/fit_workspace.h"
#include "regress/search_run.h"
#include "sheet/document.h"

class QProgressBar;
class QPushButton;
class QTimer;

namespace rv {

class EquationListModel;
class EquationListView;
class SetStatusLines;
class StatusBar;
class StickyButton;

// What the Equations tab works on; the main window owns all of it.
struct EquationsTabContext {
  Document& document;
  DataFileSession& session;
  EquationList& equations;
  FitWorkspace& workspace;  // the current equation
  StatusBar& status;
  QProgressBar& progress;
};

// "EqunTab": Start, Stop and Stats, the status lines of the equation sets
// and the ranked list. A search runs on the engine's worker threads; the tab
// polls it, shows its progress and, at its end, the list best first. The
// selected entry is re-created in the workspace before anything uses it.
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
  static constexpr const char* kSelectToCopyMessage = "First select the equation to copy.";
  static constexpr const char* kCannotRecreateMessage =
      "The selected equation can not be fitted\nto the data on the Data tab.";

  explicit EquationsTab(EquationsTabContext context, QWidget* parent = nullptr);
  ~EquationsTab() override;

  // Presses Start: a search starts, or, while one runs, it is asked to stop.
  void pressStart();
  // Presses Stats: the statistics of the selected equation, or, while a
  // search runs, a stop request.
  void pressStats();
  // Asks a running search to stop; it ends with the equations found so far.
  void requestStop();
  // "Copy Equation": the selected equation's coefficients as text.
  void copyEquation();
  // After New or Open: the status lines cleared and the list shown anew from
  // the equation list, with the session's selected entry selected. A search
  // still running belongs to the sheet that was replaced: it is stopped and
  // its result dropped.
  void reloadList();

  // Makes the selected entry the workspace's current equation, re-creating it
  // when it was not the one fitted last. False, after telling the user why,
  // when it cannot be re-created; false without a word while a search runs
  // or nothing is selected.
  bool makeSelectedEquationCurrent();

  // From Start until the tab has shown the search's end.
  bool searchRunning() const { return searching_; }

  StickyButton* startButton() const { return start_; }
  QPushButton* stopButton() const { return stop_; }
  StickyButton* statsButton() const { return stats_; }
  SetStatusLines* statusLines() const { return statusLines_; }
  EquationListView* list() const { return list_; }
  EquationListModel* listModel() const { return model_; }

 signals:
  // A context-menu item, for the main window's command table.
  void commandRequested(int id);
  // The selected equation is current in the workspace: the owner shows its
  // statistics and returns when the user has closed them.
  void statisticsRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buttonCommand(int id);
  void startPressed();
  void statsPressed();
  void startSearch();
  void watchSearch();
  void showProgress();
  void finishSearch(SearchOutcome outcome);
  void showStatistics();
  bool equationSelected() const;
  void selectRow(int row);
  void showContextMenu(const QPoint& globalPosition);

  EquationsTabContext context_;
  SearchRun run_;
  bool searching_ = false;
  // The sheet the running search started from was replaced: its result is dropped.
  bool abandoned_ = false;
  // The shape the listed ordinals were found with; Options changed since
  // then cannot change which equation an ordinal names.
  SearchShape listShape_;
  std::int64_t progressScale_ = 1;

  StickyButton* start_;
  QPushButton* stop_;
  StickyButton* stats_;
  SetStatusLines* statusLines_;
  EquationListModel* model_;
  EquationListView* list_;
  QTimer* progressTimer_;
  QTimer* watchTimer_;
};

}  // namespace rv
