// Measures the search on the fixed synthetic data set:
//   P1  Maximum Terms 5, fifteen variables, all sets (with the speed-up over
//       the one-by-one reference search, measured in the same run), ranked
//       by R squared and, beside it, by AICc
//   P2  Maximum Terms 20, three variables, all sets
//   P3  Maximum Terms 20, fifteen variables, all sets
//   P4  re-creating the last ordinal of P3
//   P5  Maximum Terms 5, five variables, all sets, 1,000 points
//   P6  Maximum Terms 5, three variables, all sets, 20,000 points
// P5 and P6 report their rate in candidate-points a second (candidates times
// points over seconds) beside P1's, measured in the same process just
// before, so that both meet the same load.
// Each problem runs in a child process so that its peak memory is its own.
// Each line of the fast search says how many candidates it fitted and how
// many it refused (outside a range; not resolved in double precision).
// P1's pair of searches runs three times by default (--rounds R), so that
// the speed-up is a median of pairs that met the same load.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/thread_count.h"
#include "files/delimited_text.h"
#include "regress/fast_search.h"
#include "regress/recreate_equation.h"
#include "regress/reference_search.h"
#include "regress/y_uncertainty.h"

namespace {

using Clock = std::chrono::steady_clock;

rv::SearchData LoadSynthetic(int variables) {
  std::ifstream in(REGROVANTIS_BENCH_DATA);
  std::stringstream text;
  text << in.rdbuf();
  const rv::Outcome<rv::SheetValues> parsed = rv::ParseDelimitedText(text.str(), ',');
  if (!parsed) {
    std::fprintf(stderr, "cannot read %s: %s\n", REGROVANTIS_BENCH_DATA, parsed.message().text.c_str());
    std::exit(1);
  }
  rv::SheetValues values = *parsed;
  for (auto& row : values)
    for (int c = variables + 1; c < rv::kSheetColumns; ++c) row[static_cast<size_t>(c)] = rv::EmptyValue;
  return rv::TakeSearchSnapshot(values);
}

// The synthetic law of the data file at any length: the same generator, the
// same law and noise, `points` rows of Y and X1 ... X`variables`.
rv::SearchData SyntheticSheet(int points, int variables) {
  std::uint64_t state = 99;
  auto uniform = [&state] {
    state = (state * 1103515245 + 12345) % (std::uint64_t{1} << 31);
    return static_cast<double>(state) / static_cast<double>(std::uint64_t{1} << 31);
  };
  rv::SheetValues values;
  values.ensureRows(points);
  for (int r = 0; r < points; ++r) {
    double x[15];
    for (double& v : x) v = 0.5 + 9.5 * uniform();
    double y = 3.0 + 2.0 * x[0] + 0.5 * x[1] * x[1] / x[2] + 4.0 * std::log(x[3]) + 0.1 * x[4] * x[5];
    y *= 1.0 + 0.01 * (uniform() - 0.5);
    auto& row = values[static_cast<size_t>(r)];
    row[0] = y;
    for (int c = 1; c <= variables; ++c) row[static_cast<size_t>(c)] = x[c - 1];
  }
  return rv::SnapshotWithCounts(values, points, variables + 1);
}

// The sheet with an uncertainty of Y in X16, 0.5 % to 1.5 % of Y, and its
// fits weighted by it.
rv::SearchData WithSigma(rv::SearchData data) {
  std::uint64_t state = 7;
  for (int i = 0; i < data.pointCount; ++i) {
    state = (state * 1103515245 + 12345) % (std::uint64_t{1} << 31);
    const double share = 0.005 + 0.01 * static_cast<double>(state) / static_cast<double>(std::uint64_t{1} << 31);
    data.values[i][rv::kSigmaColumn] = share * std::fabs(data.values[i][0]);
  }
  data.weighted = true;
  return data;
}

rv::SearchShape Shape(const rv::SearchData& data, int maxTerms) {
  rv::SearchShape shape;
  shape.variables = data.variableCount();
  shape.maxTerms = maxTerms;
  return shape;
}

struct Settings {
  int threads = 1;
  int rounds = 3;  // of P1's reference and fast search
};

struct Measurement {
  double seconds = 0;
  long long candidates = 0;
  double bestRSquared = 0;
  bool fast = false;
  int threads = 1;
  rv::RefusalCount refusals;
};

Measurement TimeSearch(const rv::SearchData& data, const rv::SearchShape& shape, bool reference,
                       const Settings& settings, rv::RankingCriterion criterion = rv::RankingCriterion::RSquared) {
  rv::SearchMonitor monitor;
  rv::FastSearchOptions options(settings.threads);
  options.criterion = criterion;
  Measurement m;
  const auto start = Clock::now();
  const rv::SearchOutcome outcome = reference ? rv::RunReferenceSearch(data, shape, monitor, criterion)
                                              : rv::RunFastSearch(data, shape, options, monitor);
  m.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  m.candidates = outcome.candidateCount;
  const auto order = outcome.list.sortOrder();
  m.bestRSquared = order.empty() ? 0.0 : outcome.list.slot(order[0]).rSquared;
  m.fast = !reference;
  m.threads = std::max(1, settings.threads);
  m.refusals = outcome.refusals;
  return m;
}

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

void Report(const char* name, const Measurement& m, const char* extra = "") {
  const double rate = static_cast<double>(m.candidates) / m.seconds;
  std::printf("%-4s %12lld candidates %10.3f s %12.0f candidates/s  best R2 %.6f  peak %ld MB%s\n", name, m.candidates,
              m.seconds, rate, m.bestRSquared, PeakMegabytes(), extra);
  if (m.fast)
    std::printf("     %d threads, %.0f candidates/s a thread; %lld fitted, %lld outside a range, %lld not resolved\n",
                m.threads, rate / m.threads, static_cast<long long>(m.refusals.fitted),
                static_cast<long long>(m.refusals.outsideRange), static_cast<long long>(m.refusals.unresolved));
  std::fflush(stdout);
}

double CandidatePointRate(const Measurement& m, int points) {
  return static_cast<double>(m.candidates) * points / m.seconds;
}

// A long sheet's search beside P1's fast search, as rates of candidate-points.
void RunLongProblem(const char* name, int points, int variables, const Settings& settings) {
  const rv::SearchData p1 = LoadSynthetic(15);
  const Measurement p1Search = TimeSearch(p1, Shape(p1, 5), false, settings);
  const rv::SearchData data = SyntheticSheet(points, variables);
  const Measurement search = TimeSearch(data, Shape(data, 5), false, settings);
  const double p1Rate = CandidatePointRate(p1Search, p1.pointCount);
  const double rate = CandidatePointRate(search, points);
  char extra[160];
  std::snprintf(extra, sizeof extra, "  %d points: %.3g candidate-points/s, P1 %.3g (%.2f of P1's)", points, rate,
                p1Rate, rate / p1Rate);
  Report(name, search, extra);
}

void RunProblem(const std::string& name, const Settings& settings) {
  if (name == "P1") {
    // The reference and the fast search take turns, so that both meet the
    // same load on a shared machine; so do the two criteria.
    const rv::SearchData data = LoadSynthetic(15);
    struct Ranking {
      rv::RankingCriterion criterion;
      const char* label;
      std::vector<double> speedUps;
    };
    Ranking rankings[] = {{rv::RankingCriterion::RSquared, "P1", {}}, {rv::RankingCriterion::Aicc, "P1a", {}}};
    for (int round = 0; round < settings.rounds; ++round) {
      for (Ranking& ranking : rankings) {
        const char* by = rv::RankingCriterionName(ranking.criterion);
        const Measurement reference = TimeSearch(data, Shape(data, 5), true, settings, ranking.criterion);
        char extra[96];
        std::snprintf(extra, sizeof extra, "  (reference engine, one thread, by %s)", by);
        Report((std::string(ranking.label) + "r").c_str(), reference, extra);
        const Measurement fast = TimeSearch(data, Shape(data, 5), false, settings, ranking.criterion);
        ranking.speedUps.push_back(reference.seconds / fast.seconds);
        std::snprintf(extra, sizeof extra, "  speed-up %.1fx over the reference, by %s", ranking.speedUps.back(), by);
        Report(ranking.label, fast, extra);
      }
    }
    std::vector<double> medians;
    for (Ranking& ranking : rankings) {
      std::sort(ranking.speedUps.begin(), ranking.speedUps.end());
      medians.push_back(ranking.speedUps[ranking.speedUps.size() / 2]);
      std::printf("%-4s by %s, speed-up over %zu rounds: median %.1fx, from %.1fx to %.1fx\n", ranking.label,
                  rv::RankingCriterionName(ranking.criterion), ranking.speedUps.size(), medians.back(),
                  ranking.speedUps.front(), ranking.speedUps.back());
    }
    std::printf("P1a  by AICc the speed-up is %.0f %% of the one by R squared\n", 100.0 * medians[1] / medians[0]);
  } else if (name == "P1w") {
    const rv::SearchData plain = LoadSynthetic(15);
    const rv::SearchData weighted = WithSigma(plain);
    struct Variant {
      const rv::SearchData* data;
      rv::RankingCriterion criterion;
      const char* label;
      std::vector<double> seconds;
    };
    Variant variants[] = {{&plain, rv::RankingCriterion::RSquared, "P1", {}},
                          {&weighted, rv::RankingCriterion::RSquared, "P1w", {}},
                          {&plain, rv::RankingCriterion::PredictedRSquared, "P1p", {}}};
    for (int round = 0; round < settings.rounds; ++round)
      for (Variant& variant : variants) {
        const Measurement fast = TimeSearch(*variant.data, Shape(*variant.data, 5), false, settings, variant.criterion);
        variant.seconds.push_back(fast.seconds);
        char extra[96];
        std::snprintf(extra, sizeof extra, "  by %s%s", rv::RankingCriterionName(variant.criterion),
                      variant.data->weighted ? ", weighted by sigma (X16)" : "");
        Report(variant.label, fast, extra);
      }
    std::vector<double> medians;
    for (Variant& variant : variants) {
      std::sort(variant.seconds.begin(), variant.seconds.end());
      medians.push_back(variant.seconds[variant.seconds.size() / 2]);
    }
    std::printf("P1w  weighted: %.0f %% of P1's time; P1p by predicted R squared: %.0f %% (medians of %zu rounds)\n",
                100.0 * medians[1] / medians[0], 100.0 * medians[2] / medians[0], variants[0].seconds.size());
  } else if (name == "P2") {
    const rv::SearchData data = LoadSynthetic(3);
    Report("P2", TimeSearch(data, Shape(data, 20), false, settings));
  } else if (name == "P3") {
    const rv::SearchData data = LoadSynthetic(15);
    Report("P3", TimeSearch(data, Shape(data, 20), false, settings));
  } else if (name == "P5") {
    RunLongProblem("P5", 1000, 5, settings);
  } else if (name == "P6") {
    RunLongProblem("P6", 20000, 3, settings);
  } else if (name == "P4") {
    const rv::SearchData data = LoadSynthetic(15);
    const rv::SearchShape shape = Shape(data, 20);
    rv::FitWorkspace workspace;
    const auto start = Clock::now();
    const bool fitted = rv::RecreateEquation(workspace, data, shape, rv::CountCandidates(shape));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("P4   re-created ordinal %lld (%s) in %.3f ms: %s\n",
                static_cast<long long>(rv::CountCandidates(shape)), fitted ? "fitted" : "not fitted", seconds * 1e3,
                workspace.text.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> problems = {"P1", "P1w", "P2", "P4", "P3", "P5", "P6"};
  Settings settings;
  settings.threads = rv::EveryCoreThreadCount();
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
      settings.threads = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      settings.rounds = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
      problems.clear();
      std::stringstream list(argv[++i]);
      for (std::string item; std::getline(list, item, ',');) problems.push_back(item);
    } else {
      std::fprintf(stderr, "usage: regrovantis-bench [--threads T] [--rounds R] [--only P1,P1w,P2,P3,P4,P5,P6]\n");
      return 2;
    }
  }
  std::printf("Search benchmark on %s, %d threads, %u cores\n", REGROVANTIS_BENCH_DATA, settings.threads,
              std::thread::hardware_concurrency());
  std::fflush(stdout);
  for (const std::string& problem : problems) {
    const pid_t child = fork();
    if (child == 0) {
      RunProblem(problem, settings);
      std::fflush(stdout);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  }
  return 0;
}
