#pragma once

#include <QObject>
#include <cstdint>

#include "files/data_file_session.h"
#include "regress/enumeration.h"
#include "regress/equation_list.h"
#include "regress/ranking_criterion.h"
#include "regress/search_run.h"
#include "sheet/document.h"

class QTimer;

namespace rv {

class EquationController;
class EquationsTab;

// The search's life cycle, from Start to the list it found: Start checks the
// sheet and asks about data below the first empty Y, takes a snapshot of the
// sheet and runs the search on the engine's worker threads; the controller
// watches it, has the Equations tab show its progress, stops it when asked,
// and at its end puts the list, the shape of its ordinals and the sheet's
// counts into the document, where a data file stores them.
class SearchController : public QObject {
  Q_OBJECT
 public:
  // The count and the progress bar follow a search every two seconds.
  static constexpr int kProgressPeriodMs = 2000;
  // How often the controller looks for the sets reached and the end of a search.
  static constexpr int kWatchPeriodMs = 100;

  struct Parts {
    Document& document;
    DataFileSession& session;
    EquationList& equations;
    const RankingCriterion& rankBy;  // what the next search ranks by
    EquationController& equation;
  };
  SearchController(Parts parts, QObject* parent);
  ~SearchController() override;

  // The tab that shows the searches and reports Start and Stop.
  void attach(EquationsTab* tab);

  // Starts a search unless the sheet holds too few points, an unusable
  // sigma of Y, or the user declines to search only the rows before a gap.
  void start();
  // Asks a running search to stop; it ends with the equations found so far.
  void requestStop();
  // Another sheet is in memory: a running search belongs to the one
  // replaced, so it is stopped and its result dropped.
  void abandon();

 private:
  void watch();
  void showProgress();
  void finish(SearchOutcome outcome);

  Parts parts_;
  EquationsTab* tab_ = nullptr;
  SearchRun run_;
  bool searching_ = false;
  bool weighted_ = false;  // the running search is weighted by sigma of Y
  bool abandoned_ = false;
  // The shape of the running search's ordinals and the counts of the sheet
  // it started from: the data file stores them and re-creation reads them.
  SearchShape shape_;
  int pointCount_ = 0;
  int columnCount_ = 0;
  // The progress bar counts the candidates once they are known.
  bool rangeShown_ = false;
  std::int64_t progressScale_ = 1;
  QTimer* progressTimer_;
  QTimer* watchTimer_;
};

}  // namespace rv
