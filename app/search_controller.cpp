#include "app/search_controller.h"

#include <QTimer>
#include <QWidget>
#include <climits>

#include "app/equation_controller.h"
#include "regress/refusal_count.h"
#include "regress/search_data.h"
#include "regress/ui/equations_tab.h"
#include "regress/y_uncertainty.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

// A progress bar counts in int; longer searches are shown in proportion.
std::int64_t ProgressScale(std::int64_t total) { return total <= INT_MAX ? 1 : total / INT_MAX + 1; }

}  // namespace

SearchController::SearchController(Parts parts, QObject* parent)
    : QObject(parent), parts_(parts), progressTimer_(new QTimer(this)), watchTimer_(new QTimer(this)) {
  progressTimer_->setObjectName(QStringLiteral("ProgressTimer"));
  progressTimer_->setInterval(kProgressPeriodMs);
  connect(progressTimer_, &QTimer::timeout, this, &SearchController::showProgress);
  watchTimer_->setInterval(kWatchPeriodMs);
  connect(watchTimer_, &QTimer::timeout, this, &SearchController::watch);
}

// The search's worker threads are stopped and joined by the run itself.
SearchController::~SearchController() = default;

void SearchController::attach(EquationsTab* tab) {
  tab_ = tab;
  connect(tab, &EquationsTab::startRequested, this, &SearchController::start);
  connect(tab, &EquationsTab::stopRequested, this, &SearchController::requestStop);
}

void SearchController::start() {
  SearchRequest request;
  request.data = TakeSearchSnapshot(parts_.document);
  request.shape = MakeSearchShape(request.data, parts_.document.options);
  request.criterion = parts_.rankBy;
  if (request.data.pointCount < 2) {
    ShowMessage(QString::fromLatin1(kTooFewPointsMessage), tab_->window(), MessageKind::Information);
    tab_->showStartRefused();
    return;
  }
  if (const int row = request.data.weighted ? FirstUnusableSigmaRow(request.data) : 0; row != 0) {
    ShowMessage(QString::fromStdString(UnusableSigmaMessage(row)), tab_->window(), MessageKind::Error);
    tab_->showStartRefused();
    return;
  }
  weighted_ = request.data.weighted;
  if (!tab_->confirmStart()) return;
  shape_ = request.shape;
  pointCount_ = request.data.pointCount;
  columnCount_ = request.data.columnCount;

  tab_->showSearchStarted();
  // A new search replaces the list: nothing is selected or graphed, and the
  // workspace's equation belongs to the old list.
  parts_.equations.clear();
  parts_.session.selectedIndex = -1;
  parts_.session.graphedIndex = -2;
  parts_.equation.forgetFit();
  progressScale_ = 1;
  rangeShown_ = false;

  abandoned_ = false;
  searching_ = true;
  run_.start(std::move(request));
  progressTimer_->start();
  watchTimer_->start();
}

void SearchController::requestStop() {
  if (searching_) run_.requestStop();
}

void SearchController::abandon() {
  if (!searching_) return;
  abandoned_ = true;
  run_.requestStop();
}

void SearchController::watch() {
  for (const SetEvent& event : run_.takeEvents()) tab_->showSetReached(event);
  const SearchProgress progress = run_.progress();
  if (!rangeShown_ && progress.phase != SearchPhase::Counting && progress.total > 0) {
    progressScale_ = ProgressScale(progress.total);
    tab_->showProgressRange(static_cast<int>(progress.total / progressScale_));
    rangeShown_ = true;
  }
  if (run_.running()) return;
  if (std::optional<SearchOutcome> outcome = run_.takeOutcome()) finish(std::move(*outcome));
}

void SearchController::showProgress() {
  const SearchProgress progress = run_.progress();
  if (progress.phase != SearchPhase::Fitting) return;
  tab_->showProgress(static_cast<int>(progress.done / progressScale_), progress.done);
}

void SearchController::finish(SearchOutcome outcome) {
  searching_ = false;
  progressTimer_->stop();
  watchTimer_->stop();
  tab_->showSearchEnded();
  if (abandoned_) return;

  parts_.equations = std::move(outcome.list);
  parts_.equation.adoptSearchShape(shape_);
  parts_.document.pointCount = pointCount_;
  parts_.document.columnCount = columnCount_;
  parts_.session.graphDrawn = false;
  parts_.document.state.modified = true;
  // A stopped search shows how far it got, not the count of the whole sequence.
  tab_->showFoundList(outcome.stopped ? run_.progress().done : outcome.candidateCount, weighted_,
                      RefusalSummary(outcome.refusals));
}

}  // namespace rv
