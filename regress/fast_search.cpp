#include "regress/fast_search.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <vector>

#include "regress/bare_entry.h"
#include "regress/batch_score.h"
#include "regress/block_columns.h"
#include "regress/column_bank.h"
#include "regress/exact_score.h"
#include "regress/fit_workspace.h"
#include "regress/walk.h"

namespace rv {

namespace {

struct Candidacy {
  std::int64_t ordinal;
  EntryScore score;
  EquationSet set;
  int coefficients;
};

// A lower bound of the merit a candidate must exceed to enter the list: the
// thousandth best of the different merits among candidates known to come
// earlier (-infinity while fewer are known). The list holds different
// equations only, and one equation's copies share its merit, so counting
// each merit once never overtakes the list's lowest merit.
class EntryBound {
 public:
  explicit EntryBound(const std::vector<double>& earlier) {
    for (double value : earlier) push(value);
  }
  double value() const {
    return best_.size() < EquationList::kCapacity ? -std::numeric_limits<double>::infinity() : *best_.begin();
  }
  void push(double value) {
    best_.insert(value);
    if (best_.size() > EquationList::kCapacity) best_.erase(best_.begin());
  }

 private:
  std::set<double> best_;
};

// Marks the columns of one candidate, to find a column that is there twice.
class ColumnStamp {
 public:
  explicit ColumnStamp(int columns) : marks_(static_cast<size_t>(columns), 0) {}
  // True when two of the columns hold the same values.
  bool repeats(const ColumnBank& bank, const int* ids, int count) {
    startCandidate();
    for (int j = 0; j < count; ++j)
      if (!markFirst(bank.representative(ids[j]))) return true;
    return false;
  }

 private:
  void startCandidate() {
    if (++generation_ == 0) {
      std::fill(marks_.begin(), marks_.end(), 0u);
      generation_ = 1;
    }
  }
  // False when the column was marked already for this candidate.
  bool markFirst(int column) {
    std::uint32_t& mark = marks_[static_cast<size_t>(column)];
    if (mark == generation_) return false;
    mark = generation_;
    return true;
  }

  std::vector<std::uint32_t> marks_;
  std::uint32_t generation_ = 0;
};

// True when every candidate of the block has some column twice, so that its
// elimination meets a zero pivot: a kind that the pass holds twice, both on
// one variable (the first, which takes every kind when there are several).
bool RepeatsAColumn(const KindPass& pass, const VariableBlock& block) {
  for (int a = 0; a < pass.engine; ++a)
    for (int b = a + 1; b < pass.engine; ++b)
      if (pass.kinds[static_cast<size_t>(a)] == pass.kinds[static_cast<size_t>(b)] &&
          (block.m > 1 || (((block.last >> a) & 1u) && ((block.last >> b) & 1u))))
        return true;
  return false;
}

// What one thread works with, sized for the search's points once.
struct Worker {
  Worker(int columns, int points) : scratch(points), batchScratch(points), stamp(columns) {}

  // The entry test of a set and a number of coefficients (one for all, by
  // R squared) for this bound, worked out again only when it changed.
  const EntryTest& test(const SetScoring& scoring, int coefficients, RankingCriterion criterion, int points,
                        double bound) {
    const int byCount = criterion == RankingCriterion::RSquared ? 0 : coefficients;
    EntryTest& test = tests[scoring.set][static_cast<size_t>(byCount)];
    if (test.bound != bound || test.sst != scoring.denominator)
      test = EntryTest(criterion, bound, scoring.denominator, points, coefficients);
    return test;
  }

  ScoreScratch scratch;
  BatchScratch batchScratch;
  FitWorkspace workspace;
  ColumnStamp stamp;
  PerEquationSet<std::array<EntryTest, kMaxCandidateColumns + 1>> tests;
  // The candidates waiting to be solved side by side: all of one set and
  // with as many columns, in ordinal order.
  CandidateBatch batch;
  EquationSet batchSet = EquationSet::Y;
  std::int64_t batchOrdinals[kMaxBatchLanes];
  KernelTally tally;
};

struct ChunkResult {
  std::vector<Candidacy> candidacies;
  std::int64_t lastOrdinal = 0;  // the last ordinal examined
};

class FastSearch {
 public:
  FastSearch(const SearchData& data, const SearchShape& shape, const FastSearchOptions& options, SearchMonitor& monitor)
      : data_(data),
        shape_(shape),
        sequence_(shape),
        monitor_(monitor),
        bank_(data, options.threads),
        chunkSize_(std::max<std::int64_t>(1, options.chunkSize)),
        vectors_(options.vectors.value_or(WidestVectors())),
        criterion_(options.criterion),
        batchSize_(std::clamp(options.batchSize.value_or(BatchLanes(vectors_)), 0, BatchLanes(vectors_))),
        list_(options.criterion) {
    for (EquationSet set : kEquationSets)
      if (shape.sets[set]) scorings_[set] = PrepareSetScoring(bank_, data, set);
    total_ = sequence_.count();
    range_ = options.part.value_or(OrdinalRange{1, total_});
    if (options.part) list_.keepEntryLog();
    chunkCount_ = (range_.count() + chunkSize_ - 1) / chunkSize_;
  }

  SearchOutcome run(int threads, KernelTally* tally) {
    SearchOutcome outcome;
    outcome.candidateCount = total_;
    monitor_.setTotal(range_.count());
    announceNextSet(range_.first - 1);
    {
      std::vector<std::jthread> workers;
      for (int t = 0; t < std::max(1, threads); ++t) workers.emplace_back([this] { work(); });
    }
    std::lock_guard lock(mutex_);
    commitReady(true);
    CompleteBareEntries(list_, sequence_, threads);
    outcome.stopped = monitor_.stopRequested();
    outcome.list = std::move(list_);
    if (tally) *tally = tally_;
    return outcome;
  }

 private:
  void work() {
    auto worker = std::make_unique<Worker>(bank_.columnCount(), bank_.pointCount());
    for (;;) {
      if (monitor_.stopRequested()) break;
      const std::int64_t chunk = nextChunk_.fetch_add(1);
      if (chunk >= chunkCount_) break;
      // The candidates of chunks before this one that are finished but not
      // yet committed come earlier too.
      std::vector<double> earlier;
      {
        std::lock_guard lock(mutex_);
        earlier = committedValues_;
        for (auto it = finished_.begin(); it != finished_.end() && it->first < chunk; ++it)
          for (const Candidacy& c : it->second.candidacies) earlier.push_back(c.score.merit);
      }
      ChunkResult result = examine(chunk, EntryBound(earlier), *worker);
      std::lock_guard lock(mutex_);
      finished_.emplace(chunk, std::move(result));
      commitReady(false);
    }
    std::lock_guard lock(mutex_);
    tally_.inBatches += worker->tally.inBatches;
    tally_.handedOver += worker->tally.handedOver;
    tally_.alone += worker->tally.alone;
  }

  ChunkResult examine(std::int64_t chunk, EntryBound bound, Worker& worker) {
    ChunkResult result;
    const std::int64_t first = range_.first + chunk * chunkSize_;
    const std::int64_t last = std::min(range_.last, first + chunkSize_ - 1);
    result.lastOrdinal = first - 1;
    auto offer = [&](std::int64_t ordinal, const EntryScore& score, EquationSet set, int coefficients) {
      result.candidacies.push_back({ordinal, score, set, coefficients});
      bound.push(score.merit);
    };
    for (const Segment& segment : sequence_.segmentsBetween(first, last)) {
      if (monitor_.stopRequested()) break;
      const SetScoring& scoring = *scorings_[segment.set];
      if (!scoring.yFault) {
        if (segment.rational) {
          settleBatch(worker, bound, offer);
          examineRationals(segment, bound, worker.workspace, offer);
        } else {
          examineBlock(segment, scoring, bound, worker, offer);
        }
      }
      result.lastOrdinal = segment.firstOrdinal + segment.count - 1;
      monitor_.addDone(segment.count);
    }
    settleBatch(worker, bound, offer);
    return result;
  }

  template <class Offer>
  void examineRationals(const Segment& segment, const EntryBound& bound, FitWorkspace& workspace, Offer& offer) {
    WalkSegment(shape_, segment, [&](std::int64_t ordinal, const Candidate& candidate) {
      if (!CanEnterList(candidate.termCount + 1, data_.pointCount)) return;
      BuildCandidate(workspace, data_, candidate);
      if (!FitCandidate(workspace, ordinal)) return;
      ScoreCandidate(workspace);
      EntryScore score{workspace.lastScore.ssRes, 0.0};
      if (MayEnterList(workspace.lastScore, criterion_, score.merit) && score.merit > bound.value())
        offer(ordinal, score, candidate.set, workspace.coefficientCount());
    });
  }

  template <class Offer>
  void examineBlock(const Segment& segment, const SetScoring& scoring, const EntryBound& bound, Worker& worker,
                    Offer& offer) {
    const KindPass& pass = segment.pass;
    const VariableBlock& block = segment.block;
    const int coefficients = BlockColumnCount(pass, block);
    if (!CanEnterList(coefficients, data_.pointCount)) return;
    // A two-variable kind on the last variable has no second variable: every
    // candidate of the block faults.
    for (int k = 0; k < pass.engine; ++k)
      if ((block.last & (1u << k)) && UsesSecondVariable(pass.kinds[static_cast<size_t>(k)])) return;
    if (RepeatsAColumn(pass, block)) return;
    CandidateBatch& batch = worker.batch;
    // Consecutive blocks of a set with as many columns share batches.
    if (batch.size > 0 && (worker.batchSet != segment.set || batch.columns != coefficients))
      settleBatch(worker, bound, offer);
    worker.batchSet = segment.set;
    batch.columns = coefficients;
    std::uint8_t subset[kMaxSearchVariables];
    UnrankSubset(shape_.variables, block.m, segment.firstRank, subset);
    BlockColumns columns(bank_, pass, block);
    columns.moveTo(subset, 0);
    // Without twins in the bank, the blocks that repeat a column are all
    // there is to find.
    const bool twins = bank_.hasTwins();
    for (std::int64_t i = 0; i < segment.count; ++i) {
      if (i > 0) {
        std::uint8_t before[kMaxSearchVariables];
        std::copy(subset, subset + block.m, before);
        NextSubset(shape_.variables, block.m, subset);
        int changed = 0;
        while (subset[changed] == before[changed]) ++changed;
        columns.moveTo(subset, changed);
      }
      // A faulted column rejects the candidate; so do two identical columns,
      // whose elimination meets a zero pivot and leaves no usable coefficient.
      if (!columns.usable() || (twins && worker.stamp.repeats(bank_, columns.ids(), columns.count()))) continue;
      const int* ids = columns.ids();
      const int m = columns.count();
      const std::int64_t ordinal = segment.firstOrdinal + i;
      if (batchSize_ == 0) {
        EntryScore score;
        ++worker.tally.alone;
        if (ScoreAboveThreshold(bank_, scoring, ids, m, test(worker, scoring, m, bound), vectors_, worker.scratch,
                                score))
          offer(ordinal, score, segment.set, m);
        continue;
      }
      batch.put(batch.size, ids);
      worker.batchOrdinals[batch.size++] = ordinal;
      if (batch.size == batchSize_) settleBatch(worker, bound, offer);
    }
  }

  const EntryTest& test(Worker& worker, const SetScoring& scoring, int coefficients, const EntryBound& bound) {
    return worker.test(scoring, coefficients, criterion_, data_.pointCount, bound.value());
  }

  // Solves and scores the waiting candidates side by side and offers, in
  // ordinal order, those that beat the bound they were tested against.
  template <class Offer>
  void settleBatch(Worker& worker, const EntryBound& bound, Offer& offer) {
    CandidateBatch& batch = worker.batch;
    if (batch.size == 0) return;
    const SetScoring& scoring = *scorings_[worker.batchSet];
    BatchVerdict verdict;
    ScoreBatchAboveThreshold(bank_, scoring, batch, test(worker, scoring, batch.columns, bound), vectors_,
                             worker.batchScratch, verdict);
    for (int l = 0; l < batch.size; ++l)
      if (verdict.above[l]) offer(worker.batchOrdinals[l], verdict.score[l], worker.batchSet, batch.columns);
    worker.tally.inBatches += batch.size;
    worker.tally.handedOver += verdict.handedOver;
    batch.size = 0;
  }

  // Replays finished chunks in ordinal order; at the end also the chunks a
  // stop left unfinished.
  void commitReady(bool final) {
    for (;;) {
      auto found = finished_.find(committedChunks_);
      if (found == finished_.end()) {
        if (!final || finished_.empty()) break;
        found = finished_.begin();
      }
      // (Every candidacy may be listed: the test admitted it.)
      for (const Candidacy& c : found->second.candidacies)
        OfferBareEntry(list_, {c.score.ssRes, scorings_[c.set]->denominator, data_.pointCount, c.coefficients},
                       c.score.merit, c.ordinal, textOf_);
      const std::int64_t lastOrdinal = found->second.lastOrdinal;
      committedChunks_ = found->first + 1;
      finished_.erase(found);
      if (!monitor_.stopRequested()) announceFinishedSets(lastOrdinal);
    }
    committedValues_.clear();
    for (int i = 0; i < list_.size(); ++i) committedValues_.push_back(list_.slot(i).merit);
  }

  void announceNextSet(std::int64_t afterOrdinal) {
    for (EquationSet set : kEquationSets) {
      const SetRange& range = sequence_.setRanges()[set];
      if (range.count > 0 && range.first > afterOrdinal) {
        monitor_.announce({set, false});
        return;
      }
    }
  }

  void announceFinishedSets(std::int64_t committedThrough) {
    for (;;) {
      if (nextSetToFinish_ == kEquationSets.size()) return;
      const EquationSet set = kEquationSets[nextSetToFinish_];
      const SetRange& range = sequence_.setRanges()[set];
      if (range.count == 0) {
        ++nextSetToFinish_;
        continue;
      }
      const std::int64_t end = range.first + range.count - 1;
      if (committedThrough < end) return;
      monitor_.announce({set, true});
      ++nextSetToFinish_;
      announceNextSet(end);
    }
  }

  const SearchData& data_;
  const SearchShape shape_;
  const CandidateSequence sequence_;
  SearchMonitor& monitor_;
  const ColumnBank bank_;
  const std::int64_t chunkSize_;
  const VectorWidth vectors_;
  const RankingCriterion criterion_;
  const int batchSize_;
  const std::function<std::string(std::int64_t)> textOf_ = [this](std::int64_t ordinal) {
    return EquationText(sequence_.candidateAt(ordinal));
  };
  PerEquationSet<std::optional<SetScoring>> scorings_;
  EquationList list_;
  std::int64_t total_ = 0;
  OrdinalRange range_;
  std::int64_t chunkCount_ = 0;
  std::atomic<std::int64_t> nextChunk_{0};

  std::mutex mutex_;
  std::map<std::int64_t, ChunkResult> finished_;
  std::int64_t committedChunks_ = 0;
  std::vector<double> committedValues_;
  std::size_t nextSetToFinish_ = 0;  // into kEquationSets
  KernelTally tally_;
};

}  // namespace

SearchOutcome RunFastSearch(const SearchData& data, const SearchShape& shape, const FastSearchOptions& options,
                            SearchMonitor& monitor, KernelTally* tally) {
  FastSearch search(data, shape, options, monitor);
  return search.run(options.threads, tally);
}

}  // namespace rv
