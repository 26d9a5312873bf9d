#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "regress/enumeration.h"
#include "regress/ordinal_range.h"
#include "regress/ranking_criterion.h"
#include "regress/search_data.h"
#include "regress/search_monitor.h"
#include "regress/search_outcome.h"

namespace rv {

// The message shown when the sheet holds fewer than two points.
inline constexpr const char* kTooFewPointsMessage = "Enter the data to regress\non the Data tab.";

struct SearchRequest {
  SearchData data;  // the sheet as it was when the search started
  SearchShape shape;
  int threads = 0;         // 0: every core
  bool reference = false;  // the one-by-one reference search instead of the fast one
  RankingCriterion criterion = RankingCriterion::RSquared;
  // Only this part of the sequence, its list keeping its entry log; the
  // whole sequence when not given.
  std::optional<OrdinalRange> part;
};

enum class SearchPhase { Idle, Counting, Fitting, Finished };

struct SearchProgress {
  SearchPhase phase = SearchPhase::Idle;
  std::int64_t done = 0;   // candidates examined so far
  std::int64_t total = 0;  // candidates to examine: the sequence's or its part's (known once counted)
};

enum class SearchStart { Started, AlreadyRunning, TooFewPoints };

// One search at a time on a worker thread, for both front ends: start it,
// ask it to stop at any moment (it then ends normally with what it found),
// poll its progress and the sets started and finished, take its outcome.
// Every word the two threads share is atomic or behind a lock.
class SearchRun {
 public:
  SearchRun() = default;
  SearchRun(const SearchRun&) = delete;
  SearchRun& operator=(const SearchRun&) = delete;
  ~SearchRun();

  SearchStart start(SearchRequest request);
  void requestStop();
  // True from start until the worker has left its outcome.
  bool running() const { return running_.load(); }
  SearchProgress progress() const;
  std::vector<SetEvent> takeEvents();
  // The outcome of a finished run, once; empty while running or after taking it.
  std::optional<SearchOutcome> takeOutcome();
  // Waits until the run has finished or the time has passed; true when finished.
  bool waitFor(std::chrono::milliseconds time);
  // Waits for the worker to end.
  void wait();

 private:
  void work(SearchRequest request);

  std::unique_ptr<SearchMonitor> monitor_ = std::make_unique<SearchMonitor>();
  std::atomic<bool> running_{false};
  std::atomic<SearchPhase> phase_{SearchPhase::Idle};
  std::mutex outcomeMutex_;
  std::condition_variable finished_;
  std::optional<SearchOutcome> outcome_;
  std::jthread worker_;
};

}  // namespace rv
