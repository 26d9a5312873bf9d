#include "cli/search_runner.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <future>
#include <thread>

#include "cli/progress_bar.h"
#include "regress/reference_search.h"
#include "regress/search_monitor.h"

namespace rv::cli {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) { interrupted.store(true); }

}  // namespace

SearchOutcome RunSearchInForeground(const SearchData& data, const SearchShape& shape, SearchEngine engine,
                                    int threads, bool showProgress) {
  (void)threads;
  (void)engine;
  SearchMonitor monitor;
  SearchOutcome outcome;
  interrupted.store(false);
  auto previous = std::signal(SIGINT, OnInterrupt);

  const auto start = std::chrono::steady_clock::now();
  auto seconds = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
  {
    std::promise<SearchOutcome> result;
    std::future<SearchOutcome> pending = result.get_future();
    std::jthread worker([&] { result.set_value(RunReferenceSearch(data, shape, monitor)); });
    ProgressBar bar(stderr);
    const std::int64_t total = CountCandidates(shape);
    while (pending.wait_for(std::chrono::milliseconds(200)) != std::future_status::ready) {
      if (interrupted.load()) monitor.requestStop();
      if (showProgress) bar.update(monitor.done(), total, seconds());
    }
    outcome = pending.get();
    if (showProgress) bar.finish(monitor.done(), outcome.candidateCount, seconds(), outcome.stopped);
  }
  std::signal(SIGINT, previous);
  return outcome;
}

}  // namespace rv::cli
