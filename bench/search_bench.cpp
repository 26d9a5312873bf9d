// Measures the search on the fixed synthetic data set:
//   P1  Maximum Terms 5, fifteen variables, all sets (with the speed-up over
//       the one-by-one reference search, measured in the same run)
//   P2  Maximum Terms 20, three variables, all sets
//   P3  Maximum Terms 20, fifteen variables, all sets
//   P4  re-creating the last ordinal of P3
// Each problem runs in a child process so that its peak memory is its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "files/delimited_text.h"
#include "regress/fast_search.h"
#include "regress/recreate_equation.h"
#include "regress/reference_search.h"

namespace {

using Clock = std::chrono::steady_clock;

rv::SearchData LoadSynthetic(int variables) {
  std::ifstream in(REGROVANTIS_BENCH_DATA);
  std::stringstream text;
  text << in.rdbuf();
  const rv::DelimitedTextResult parsed = rv::ParseDelimitedText(text.str(), ',');
  if (!parsed.ok) {
    std::fprintf(stderr, "cannot read %s: %s\n", REGROVANTIS_BENCH_DATA, parsed.error.c_str());
    std::exit(1);
  }
  rv::SheetValues values = parsed.values;
  for (auto& row : values)
    for (int c = variables + 1; c < rv::kSheetColumns; ++c) row[static_cast<size_t>(c)] = rv::EmptyValue;
  return rv::TakeSearchSnapshot(values);
}

rv::SearchShape Shape(const rv::SearchData& data, int maxTerms) {
  rv::SearchShape shape;
  shape.variables = data.variableCount();
  shape.maxTerms = maxTerms;
  return shape;
}

struct Measurement {
  double seconds = 0;
  long long candidates = 0;
  double bestRSquared = 0;
};

Measurement TimeSearch(const rv::SearchData& data, const rv::SearchShape& shape, bool reference, int threads) {
  rv::SearchMonitor monitor;
  const auto start = Clock::now();
  const rv::SearchOutcome outcome = reference ? rv::RunReferenceSearch(data, shape, monitor)
                                              : rv::RunFastSearch(data, shape, rv::FastSearchOptions(threads), monitor);
  Measurement m;
  m.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  m.candidates = outcome.candidateCount;
  const auto order = outcome.list.sortOrder();
  m.bestRSquared = order.empty() ? 0.0 : outcome.list.slot(order[0]).rSquared;
  return m;
}

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

void Report(const char* name, const Measurement& m, const char* extra = "") {
  std::printf("%-4s %-12s %12lld candidates %10.3f s %12.0f candidates/s  best R2 %.6f  peak %ld MB%s\n", name,
              "", m.candidates, m.seconds, m.candidates / m.seconds, m.bestRSquared, PeakMegabytes(), extra);
  std::fflush(stdout);
}

void RunProblem(const std::string& name, int threads) {
  if (name == "P1") {
    const rv::SearchData data = LoadSynthetic(15);
    const Measurement reference = TimeSearch(data, Shape(data, 5), true, 1);
    Report("P1r", reference, "  (reference engine, one thread)");
    const Measurement fast = TimeSearch(data, Shape(data, 5), false, threads);
    char extra[96];
    std::snprintf(extra, sizeof extra, "  speed-up %.1fx over the reference", reference.seconds / fast.seconds);
    Report("P1", fast, extra);
  } else if (name == "P2") {
    const rv::SearchData data = LoadSynthetic(3);
    Report("P2", TimeSearch(data, Shape(data, 20), false, threads));
  } else if (name == "P3") {
    const rv::SearchData data = LoadSynthetic(15);
    Report("P3", TimeSearch(data, Shape(data, 20), false, threads));
  } else if (name == "P4") {
    const rv::SearchData data = LoadSynthetic(15);
    const rv::SearchShape shape = Shape(data, 20);
    rv::FitWorkspace workspace;
    const auto start = Clock::now();
    const bool fitted = rv::RecreateEquation(workspace, data, shape, rv::CountCandidates(shape));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("P4   re-created ordinal %lld (%s) in %.3f ms: %s\n", static_cast<long long>(rv::CountCandidates(shape)),
                fitted ? "fitted" : "not fitted", seconds * 1e3, workspace.text.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> problems = {"P1", "P2", "P4", "P3"};
  int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
      threads = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
      problems.clear();
      std::stringstream list(argv[++i]);
      for (std::string item; std::getline(list, item, ',');) problems.push_back(item);
    } else {
      std::fprintf(stderr, "usage: regrovantis-bench [--threads T] [--only P1,P2,P3,P4]\n");
      return 2;
    }
  }
  std::printf("Search benchmark on %s, %d threads, %u cores\n", REGROVANTIS_BENCH_DATA, threads,
              std::thread::hardware_concurrency());
  std::fflush(stdout);
  for (const std::string& problem : problems) {
    const pid_t child = fork();
    if (child == 0) {
      RunProblem(problem, threads);
      std::fflush(stdout);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  }
  return 0;
}
