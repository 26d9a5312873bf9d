#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "sheet/equation_set.h"

namespace rv {

// A set of the fitting pass started or finished, for the set status lines.
struct SetEvent {
  EquationSet set = EquationSet::Y;
  bool finished = false;
  friend bool operator==(const SetEvent&, const SetEvent&) = default;
};

// What a running search shares with the front end that watches it. Every
// word is atomic, so the front end may poll from its own thread at any time.
class SearchMonitor {
 public:
  void requestStop() { stopRequested_.store(true, std::memory_order_relaxed); }
  bool stopRequested() const { return stopRequested_.load(std::memory_order_relaxed); }

  void setTotal(std::int64_t total) { total_.store(total, std::memory_order_relaxed); }
  std::int64_t total() const { return total_.load(std::memory_order_relaxed); }

  void addDone(std::int64_t count) { done_.fetch_add(count, std::memory_order_relaxed); }
  std::int64_t done() const { return done_.load(std::memory_order_relaxed); }

  void announce(SetEvent event) {
    std::lock_guard lock(eventsMutex_);
    events_.push_back(event);
  }
  std::vector<SetEvent> takeEvents() {
    std::lock_guard lock(eventsMutex_);
    return std::exchange(events_, {});
  }

 private:
  std::atomic<bool> stopRequested_{false};
  std::atomic<std::int64_t> total_{0};
  std::atomic<std::int64_t> done_{0};
  std::mutex eventsMutex_;
  std::vector<SetEvent> events_;
};

}  // namespace rv
