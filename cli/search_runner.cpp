#include "cli/search_runner.h"

#include <atomic>
#include <chrono>
#include <csignal>

#include "cli/progress_bar.h"
#include "regress/search_run.h"

namespace rv::cli {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) { interrupted.store(true); }

}  // namespace

ForegroundSearch RunSearchInForeground(const SearchData& data, const SearchShape& shape, RankingCriterion criterion,
                                       SearchEngine engine, int threads, std::optional<OrdinalRange> part,
                                       bool showProgress) {
  interrupted.store(false);
  auto previous = std::signal(SIGINT, OnInterrupt);
  const auto start = std::chrono::steady_clock::now();
  auto seconds = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };

  SearchRun run;
  run.start({data, shape, threads, engine == SearchEngine::Reference, criterion, part});
  ProgressBar bar(stderr);
  while (!run.waitFor(std::chrono::milliseconds(200))) {
    if (interrupted.load()) run.requestStop();
    if (showProgress) bar.update(run.progress().done, run.progress().total, seconds());
  }
  ForegroundSearch search{*run.takeOutcome(), run.progress().done, interrupted.load()};
  if (showProgress) bar.finish(search.examined, run.progress().total, seconds(), search.outcome.stopped);
  std::signal(SIGINT, previous);
  return search;
}

}  // namespace rv::cli
