#include "regress/search_run.h"

#include "base/thread_count.h"
#include "regress/fast_search.h"
#include "regress/reference_search.h"

namespace rv {

SearchRun::~SearchRun() {
  requestStop();
  wait();
}

SearchStart SearchRun::start(SearchRequest request) {
  if (running()) return SearchStart::AlreadyRunning;
  if (request.data.pointCount < 2) return SearchStart::TooFewPoints;
  wait();
  monitor_ = std::make_unique<SearchMonitor>();
  {
    std::lock_guard lock(outcomeMutex_);
    outcome_.reset();
  }
  running_.store(true);
  phase_.store(SearchPhase::Counting);
  worker_ = std::jthread([this, request = std::move(request)]() mutable { work(std::move(request)); });
  return SearchStart::Started;
}

void SearchRun::work(SearchRequest request) {
  // The count comes from the block table; a stop already requested skips
  // the fitting pass altogether.
  const std::int64_t candidates = CountCandidates(request.shape);
  monitor_->setTotal(request.part ? request.part->count() : candidates);
  SearchOutcome outcome;
  if (monitor_->stopRequested()) {
    outcome.candidateCount = candidates;
    outcome.stopped = true;
  } else {
    phase_.store(SearchPhase::Fitting);
    if (request.reference) {
      outcome = RunReferenceSearch(request.data, request.shape, *monitor_, request.criterion, request.part);
    } else {
      const int threads = request.threads > 0 ? request.threads : EveryCoreThreadCount();
      FastSearchOptions options(threads);
      options.criterion = request.criterion;
      options.part = request.part;
      outcome = RunFastSearch(request.data, request.shape, options, *monitor_);
    }
  }
  {
    std::lock_guard lock(outcomeMutex_);
    outcome_ = std::move(outcome);
    phase_.store(SearchPhase::Finished);
    running_.store(false);
  }
  finished_.notify_all();
}

void SearchRun::requestStop() { monitor_->requestStop(); }

SearchProgress SearchRun::progress() const { return {phase_.load(), monitor_->done(), monitor_->total()}; }

std::vector<SetEvent> SearchRun::takeEvents() { return monitor_->takeEvents(); }

std::optional<SearchOutcome> SearchRun::takeOutcome() {
  std::lock_guard lock(outcomeMutex_);
  return std::exchange(outcome_, std::nullopt);
}

bool SearchRun::waitFor(std::chrono::milliseconds time) {
  std::unique_lock lock(outcomeMutex_);
  return finished_.wait_for(lock, time, [this] { return !running_.load(); });
}

void SearchRun::wait() {
  if (worker_.joinable()) worker_.join();
}

}  // namespace rv
