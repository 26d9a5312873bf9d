#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "regress/equation_list.h"
#include "regress/search_run.h"
#include "sheet/document.h"

class QProgressBar;
class QPushButton;

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
// and the ranked list. The owner of the search runs it and has the tab show
// its start, its progress and its end, the list best first. What the user
// does is reported to the owner, which changes the list, the selection and
// the current equation.
class EquationsTab : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kStartId = 301;
  static constexpr int kStopId = 302;
  static constexpr int kStatsId = 303;
  static constexpr const char* kSelectToDisplayMessage = "Select the equation to display.";

  explicit EquationsTab(EquationsTabContext context, QWidget* parent = nullptr);
  ~EquationsTab() override;

  // Presses Start: a search is asked to start, or, while one runs, to stop.
  void pressStart();
  // Presses Stats: the statistics of the selected equation, or, while a
  // search runs, a stop request.
  void pressStats();
  // After New or Open: the status lines cleared and the list shown anew from
  // the equation list, with this row selected.
  void reloadList(int selectedRow);

  // What the owner of the search has the tab show. Start was pressed but
  // no search starts.
  void showStartRefused();
  // The gap question: whether to search the rows before the first empty Y
  // when data follow it; false leaves Start released.
  bool confirmStart();
  // A search starts: Start stays pressed, the list and the status lines are
  // empty, and the progress bar waits for the count of candidates.
  void showSearchStarted();
  void showSetReached(const SetEvent& event);
  // The progress bar counts to `maximum`.
  void showProgressRange(int maximum);
  // `done` candidates fitted, `barValue` on the progress bar.
  void showProgress(int barValue, std::int64_t done);
  // The search ended: Start released, the progress bar gone, "Ready".
  void showSearchEnded();
  // The list a search found, best first, its best row selected, with the
  // count of candidates fitted, whether the fit was weighted and what was
  // refused.
  void showFoundList(std::int64_t count, bool weighted, const std::string& refusals);

  // The sheet changed: the line of what takes no part follows it.
  void showLeftOutData();
  // After the owner changed the criterion the next search ranks by.
  void showRankBy();

  // From a search's start until the tab has shown its end.
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
  // Start pressed while no search runs.
  void startRequested();
  // Stop, or Start or Stats pressed while a search runs.
  void stopRequested();
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
  void stopPressed();
  void showStatistics();
  void selectRow(int row);
  void showContextMenu(const QPoint& globalPosition);

  EquationsTabContext context_;
  bool searching_ = false;

  StickyButton* start_;
  QPushButton* stop_;
  StickyButton* stats_;
  SetStatusLines* statusLines_;
  RankingChoice* ranking_;
  EquationListModel* model_;
  EquationListView* list_;
  LeftOutNotice* leftOut_;
};

}  // namespace rv
