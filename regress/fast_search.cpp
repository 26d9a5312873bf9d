#include "regress/fast_search.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "regress/bare_entry.h"
#include "regress/block_group.h"
#include "regress/column_bank.h"
#include "regress/entry_test.h"
#include "regress/fit_workspace.h"
#include "regress/point_sums.h"
#include "regress/scoring_order.h"
#include "regress/set_scoring.h"
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
// each merit once never overtakes the list's lowest merit. The merits are
// kept in descending order in one block, which a chunk copies at its start.
class EntryBound {
 public:
  double value() const {
    return best_.size() < EquationList::kCapacity ? -std::numeric_limits<double>::infinity() : best_.back();
  }
  void push(double value) {
    if (best_.size() == EquationList::kCapacity && !(value > best_.back())) return;
    const auto at = std::lower_bound(best_.begin(), best_.end(), value, std::greater<>());
    if (at != best_.end() && *at == value) return;
    best_.insert(at, value);
    if (best_.size() > EquationList::kCapacity) best_.pop_back();
  }

 private:
  std::vector<double> best_;
};

// What one thread works with, sized for the search's points and walks once.
struct Worker {
  Worker(int stride, bool leaveOneOut, const WalkExtent& extent) : scratch(stride, leaveOneOut, extent) {}

  PrefixScratch scratch;
  FitWorkspace workspace;
  PerEquationSet<EntryTests> tests;
  std::vector<GroupCandidacy> groupCandidacies;
  RefusalCount count;
};

// The banks of the sets a chunk holds, kept alive while it is examined.
using HeldBanks = PerEquationSet<std::shared_ptr<const ColumnBank>>;

// The fewest variables of a pass whose blocks of every size share one walk.
constexpr int kTreeFromVariables = 5;

struct ChunkResult {
  std::vector<Candidacy> candidacies;
  std::int64_t lastOrdinal = 0;  // the last ordinal examined
};

// Blocks of one pass, or (acrossSizes false) of one pass with as many
// variables.
bool SameGroup(const Segment& a, const Segment& b, bool acrossSizes) {
  return !a.rational && !b.rational && a.set == b.set && a.pass.engine == b.pass.engine &&
         a.pass.kinds == b.pass.kinds && a.repeatShift == b.repeatShift && (acrossSizes || a.block.m == b.block.m);
}

// Blocks of one variable (which hold every kind of their pass) of passes
// that differ in their last kind only: they share the columns of the kinds
// before it on each variable. Passes made again are left to their own.
bool SharesLeadingKinds(const Segment& a, const Segment& b) {
  const auto leading = static_cast<std::ptrdiff_t>(a.pass.engine - 1);
  return !a.rational && !b.rational && a.set == b.set && a.pass.engine == b.pass.engine && a.block.m == 1 &&
         b.block.m == 1 && a.repeatShift == 0 && b.repeatShift == 0 &&
         std::equal(a.pass.kinds.begin(), a.pass.kinds.begin() + leading, b.pass.kinds.begin());
}

class FastSearch {
 public:
  FastSearch(const SearchData& data, const SearchShape& shape, const FastSearchOptions& options, SearchMonitor& monitor)
      : data_(data),
        shape_(shape),
        sequence_(shape),
        monitor_(monitor),
        stride_(PaddedPoints(data.pointCount)),
        scoringOrder_(ScoringOrder(data)),
        vectors_(options.vectors.value_or(WidestVectors())),
        criterion_(options.criterion),
        storedBankBytes_(options.storedBankBytes),
        list_(options.criterion) {
    if (!data.weighted) {
      const auto bank = std::make_shared<const ColumnBank>(data, FormWeights{}, storedBankBytes_);
      for (EquationSet set : kEquationSets) {
        if (!shape.sets[set]) continue;
        banks_[set] = bank;
        scorings_[set] = PrepareSetScoring(data, set, *bank);
      }
    }
    total_ = sequence_.count();
    range_ = options.part.value_or(OrdinalRange{1, total_});
    if (options.part) list_.keepEntryLog();
    // Chunks small enough that the last ones keep every thread busy.
    const std::int64_t balanced = range_.count() / (std::max(1, options.threads) * 32) + 1;
    chunkSize_ = std::max<std::int64_t>(1, std::min(options.chunkSize, std::max<std::int64_t>(balanced, 4096)));
    chunkCount_ = (range_.count() + chunkSize_ - 1) / chunkSize_;
  }

  SearchOutcome run(int threads) {
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
    outcome.refusals = count_;
    return outcome;
  }

 private:
  void work() {
    auto worker =
        std::make_unique<Worker>(stride_, criterion_ == RankingCriterion::PredictedRSquared, WalkExtentOf(shape_));
    for (;;) {
      if (monitor_.stopRequested()) break;
      std::int64_t chunk = 0;
      HeldBanks held;
      EntryBound bound;
      {
        std::lock_guard lock(mutex_);
        chunk = nextChunk_++;
        if (chunk >= chunkCount_) break;
        held = holdBanks(chunk);
        // The candidates of chunks before this one that are finished but
        // not yet committed come earlier too.
        bound = committedBound_;
        for (auto it = finished_.begin(); it != finished_.end() && it->first < chunk; ++it)
          for (const Candidacy& c : it->second.candidacies) bound.push(c.score.merit);
      }
      ChunkResult result = examine(chunk, std::move(bound), *worker, held);
      std::lock_guard lock(mutex_);
      finished_.emplace(chunk, std::move(result));
      commitReady(false);
    }
    std::lock_guard lock(mutex_);
    count_ += worker->count;
  }

  std::int64_t firstOfChunk(std::int64_t chunk) const { return range_.first + chunk * chunkSize_; }
  std::int64_t lastOfChunk(std::int64_t chunk) const {
    return std::min(range_.last, firstOfChunk(chunk) + chunkSize_ - 1);
  }

  // The banks of the sets the chunk holds, made where they are not yet;
  // the banks of sets the chunks handed out have passed are let go (a chunk
  // still at work holds its own). Called under the mutex, in chunk order.
  HeldBanks holdBanks(std::int64_t chunk) {
    const std::int64_t first = firstOfChunk(chunk), last = lastOfChunk(chunk);
    HeldBanks held;
    for (EquationSet set : kEquationSets) {
      const SetRange& range = sequence_.setRanges()[set];
      if (range.count == 0) continue;
      const std::int64_t end = range.first + range.count - 1;
      if (end < first) {
        banks_[set].reset();
        continue;
      }
      if (range.first > last) continue;
      if (!scorings_[set]) makeWeightedBank(set);
      held[set] = banks_[set];
    }
    return held;
  }

  // A weighted search's set has its columns standardised with its weights;
  // where its sigmas cannot weight it, every candidate of the set lies
  // outside its range, and no columns are made for it.
  void makeWeightedBank(EquationSet set) {
    const FormWeights weights = WeightsOfForm(data_, set);
    if (!weights.usable) {
      SetScoring refused;
      refused.set = set;
      refused.yFault = true;
      scorings_[set] = std::move(refused);
      return;
    }
    banks_[set] = std::make_shared<const ColumnBank>(data_, weights, storedBankBytes_);
    scorings_[set] = PrepareSetScoring(data_, set, *banks_[set]);
  }

  ChunkResult examine(std::int64_t chunk, EntryBound bound, Worker& worker, const HeldBanks& held) {
    ChunkResult result;
    const std::int64_t first = firstOfChunk(chunk);
    const std::int64_t last = lastOfChunk(chunk);
    result.lastOrdinal = first - 1;
    const std::vector<Segment> segments = sequence_.segmentsBetween(first, last);
    for (size_t s = 0; s < segments.size();) {
      if (monitor_.stopRequested()) break;
      // The segments of one block group (or one rational segment): the
      // blocks of one variable of passes that differ in their last kind
      // only walk together; the other blocks of a pass whose candidates
      // reach kTreeFromVariables variables walk as one tree; those of
      // shallower passes, which share little, walk each size apart, which
      // costs less.
      size_t end = s + 1;
      if (segments[s].block.m == 1 && !segments[s].rational) {
        while (end < segments.size() && SharesLeadingKinds(segments[s], segments[end])) ++end;
      } else {
        while (end < segments.size() && SameGroup(segments[s], segments[end], true)) ++end;
        int largest = 0;
        for (size_t i = s; i < end; ++i) largest = std::max(largest, segments[i].block.m);
        if (largest < kTreeFromVariables) {
          end = s + 1;
          while (end < segments.size() && SameGroup(segments[s], segments[end], false)) ++end;
        }
      }
      std::int64_t examined = 0;
      for (size_t i = s; i < end; ++i) examined += segments[i].count;
      examineSegments(segments.data() + s, end - s, bound, worker, held[segments[s].set].get(), result);
      result.lastOrdinal = segments[end - 1].firstOrdinal + segments[end - 1].count - 1;
      monitor_.addDone(examined);
      s = end;
    }
    return result;
  }

  // bank: none for a set whose every candidate is refused.
  void examineSegments(const Segment* segments, size_t count, EntryBound& bound, Worker& worker, const ColumnBank* bank,
                       ChunkResult& result) {
    const Segment& head = segments[0];
    const SetScoring& scoring = *scorings_[head.set];
    const bool countsRefusals = head.repeatShift == 0;
    if (scoring.yFault) {
      if (countsRefusals)
        for (size_t i = 0; i < count; ++i) worker.count.outsideRange += segments[i].count;
      return;
    }
    if (head.rational) {
      examineRationals(head, bound, worker, result);
      return;
    }
    BlockGroup group;
    group.scoring = &scoring;
    group.pass = head.pass;
    group.countsRefusals = countsRefusals;
    for (size_t i = 0; i < count; ++i) {
      const Segment part = ExaminedPart(segments[i], range_.first);
      if (part.count > 0) group.segments.push_back(part);
    }
    if (group.segments.empty()) return;
    // The bound stays as it was when the group began: the walk meets its
    // candidates out of ordinal order, and only candidates that come earlier
    // may raise a bound.
    EntryTests& tests = worker.tests[head.set];
    tests.set(criterion_, bound.value(), scoring.denominator, data_.pointCount, scoring.squaresExponent);
    GroupWalkContext context;
    context.bank = bank;
    context.leaveOneOut = criterion_ == RankingCriterion::PredictedRSquared;
    context.variables = shape_.variables;
    context.tests = &tests;
    worker.groupCandidacies.clear();
    ExamineBlockGroup(group, context, vectors_, worker.scratch, worker.count, worker.groupCandidacies);
    for (const GroupCandidacy& c : worker.groupCandidacies) {
      result.candidacies.push_back({c.ordinal, c.score, head.set, c.coefficients});
      bound.push(c.score.merit);
    }
  }

  void examineRationals(const Segment& segment, EntryBound& bound, Worker& worker, ChunkResult& result) {
    FitWorkspace& workspace = worker.workspace;
    WalkSegment(shape_, segment, [&](std::int64_t ordinal, const Candidate& candidate) {
      BuildCandidate(workspace, data_, candidate, &scoringOrder_);
      if (!FitCandidate(workspace, ordinal)) {
        if (workspace.verdict == FitVerdict::OutsideRange) ++worker.count.outsideRange;
        else ++worker.count.unresolved;
        return;
      }
      ++worker.count.fitted;
      ScoreCandidate(workspace, criterion_ == RankingCriterion::PredictedRSquared);
      EntryScore score{workspace.lastScore.ssRes, 0.0, workspace.lastScore.press};
      if (MayEnterList(workspace.lastScore, criterion_, score.merit) && score.merit > bound.value()) {
        result.candidacies.push_back({ordinal, score, candidate.set, workspace.coefficientCount()});
        bound.push(score.merit);
      }
    });
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
      for (const Candidacy& c : found->second.candidacies) {
        committedBound_.push(c.score.merit);
        const SetScoring& scoring = *scorings_[c.set];
        OfferBareEntry(list_,
                       {c.score.ssRes, scoring.denominator, data_.pointCount, c.coefficients, scoring.squaresExponent,
                        c.score.press},
                       c.score.merit, c.ordinal, textOf_);
      }
      const std::int64_t lastOrdinal = found->second.lastOrdinal;
      committedChunks_ = found->first + 1;
      finished_.erase(found);
      if (!monitor_.stopRequested()) announceFinishedSets(lastOrdinal);
    }
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
  const int stride_;
  const std::vector<int> scoringOrder_;
  // The bank of the columns as they are, which every set of an unweighted
  // search shares; a weighted search's sets have theirs, standardised with
  // their weights, made when a chunk first needs them and let go when the
  // chunks have passed the set, so that a long sheet holds one or two at a
  // time rather than one for every set. Written under the mutex.
  PerEquationSet<std::shared_ptr<const ColumnBank>> banks_{};
  const VectorWidth vectors_;
  const RankingCriterion criterion_;
  const double storedBankBytes_;
  const std::function<std::string(std::int64_t)> textOf_ = [this](std::int64_t ordinal) {
    return EquationText(sequence_.candidateAt(ordinal));
  };
  PerEquationSet<std::optional<SetScoring>> scorings_;
  EquationList list_;
  std::int64_t total_ = 0;
  OrdinalRange range_;
  std::int64_t chunkSize_ = 1;
  std::int64_t chunkCount_ = 0;
  std::int64_t nextChunk_ = 0;  // under the mutex

  std::mutex mutex_;
  std::map<std::int64_t, ChunkResult> finished_;
  std::int64_t committedChunks_ = 0;
  EntryBound committedBound_;        // of the committed candidates
  std::size_t nextSetToFinish_ = 0;  // into kEquationSets
  RefusalCount count_;
};

}  // namespace

SearchOutcome RunFastSearch(const SearchData& data, const SearchShape& shape, const FastSearchOptions& options,
                            SearchMonitor& monitor) {
  FastSearch search(data, shape, options, monitor);
  return search.run(options.threads);
}

}  // namespace rv
