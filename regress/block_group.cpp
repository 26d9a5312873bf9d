#include "regress/block_group.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "regress/kernel_dispatch.h"
#include "regress/lane_sums.h"
#include "regress/orthogonal_fit.h"
#include "regress/y_form.h"

namespace rv {

namespace {

// The candidates of a group at one subset of variables u1 < ... < um are
//   fixed columns:  every kind on u1 ... u(m-2), and on u(m-1) the kinds
//                   before the pass's first two-variable kind;
//   tail prefix:    on u(m-1) the rest of the kinds, whose two-variable kinds
//                   take um as their second variable;
//   last group:     the block's last kinds on um;
// in this order. The fixed columns are shared by the subsets of one
// (u1 ... u(m-1)); the tail prefix and the last group's columns (the tail)
// are orthogonalised against them once per subset, and the last groups of
// the blocks (A, B, AB, ... of the same kinds) share their own first
// columns: they form a trie, walked depth first.
struct GroupLayout {
  int engine = 1;
  int fixedColumns = 0;
  int tailPrefixColumns = 0;

  explicit GroupLayout(const BlockGroup& group) : engine(group.pass.engine) {
    if (group.m < 2) return;
    int firstTwoVariableKind = engine;
    for (int k = 0; k < engine; ++k)
      if (UsesSecondVariable(group.pass.kinds[static_cast<size_t>(k)])) {
        firstTwoVariableKind = k;
        break;
      }
    fixedColumns = engine * (group.m - 2) + firstTwoVariableKind;
    tailPrefixColumns = engine - firstTwoVariableKind;
  }
};

// The kinds of a last group in order as a mask: bit k for kind k.
bool Extends(unsigned group, unsigned path, int lastKind) {
  return (group & ((2u << lastKind) - 1u)) == path;
}

template <class V>
class GroupWalk {
 public:
  GroupWalk(const BlockGroup& group, const GroupWalkContext& context, PrefixScratch& scratch, RefusalCount& count,
            std::vector<GroupCandidacy>& candidacies)
      : group_(group),
        context_(context),
        bank_(*context.bank),
        scoring_(*group.scoring),
        layout_(group),
        s_(scratch),
        count_(count),
        candidacies_(candidacies),
        stride_(bank_.stride()),
        points_(bank_.pointCount()) {
    if (s_.set != scoring_.set) {
      s_.validLevels = 0;
      s_.set = scoring_.set;
    }
  }

  [[gnu::always_inline]] void run() {
    std::int64_t firstRank = group_.segments.front().firstRank;
    std::int64_t lastRank = firstRank;
    for (const Segment& segment : group_.segments) {
      firstRank = std::min(firstRank, segment.firstRank);
      lastRank = std::max(lastRank, segment.firstRank + segment.count - 1);
    }
    const int n = context_.variables;
    const int m = group_.m;
    std::uint8_t subset[kMaxSearchVariables];
    UnrankSubset(n, m, firstRank, subset);
    for (std::int64_t rank = firstRank; rank <= lastRank; ++rank) {
      examineSubset(subset, rank);
      NextSubset(n, m, subset);
    }
    // The tail's levels lie past the fixed columns: only those stay valid.
    s_.validLevels = std::min(s_.validLevels, layout_.fixedColumns);
  }

 private:
  int kind(int k) const { return group_.pass.kinds[static_cast<size_t>(k)]; }

  void refuse(bool outsideRange) {
    if (!group_.countsRefusals) return;
    if (outsideRange) ++count_.outsideRange;
    else ++count_.unresolved;
  }

  [[gnu::always_inline]] void examineSubset(const std::uint8_t* u, std::int64_t rank) {
    const int m = group_.m;
    const int engine = layout_.engine;
    // The fixed columns and the tail's, with their faults.
    int fixedIds[kMaxCandidateColumns];
    bool fixedFault = false;
    for (int j = 0; j < layout_.fixedColumns; ++j) {
      const int r = j / engine;
      fixedIds[j] = bank_.id(kind(j % engine), u[r], u[r + 1]);
      fixedFault = fixedFault || bank_.faulted(fixedIds[j]);
    }
    const int tailPrefix = layout_.tailPrefixColumns;
    for (int t = 0; t < tailPrefix; ++t) {
      tailIds_[t] = bank_.id(kind(engine - tailPrefix + t), u[m - 2], u[m - 1]);
      fixedFault = fixedFault || bank_.faulted(tailIds_[t]);
    }
    unsigned lastFaults = 0;
    for (int k = 0; k < engine; ++k) {
      tailIds_[tailPrefix + k] = UsesSecondVariable(kind(k)) ? -1 : bank_.id(kind(k), u[m - 1], 0);
      if (tailIds_[tailPrefix + k] < 0 || bank_.faulted(tailIds_[tailPrefix + k])) lastFaults |= 1u << k;
    }
    // Which blocks have a candidate here, and which of those are fitted.
    toFit_ = 0;
    int fitCount = 0;
    for (size_t b = 0; b < group_.segments.size(); ++b) {
      const Segment& segment = group_.segments[b];
      if (rank < segment.firstRank || rank >= segment.firstRank + segment.count) continue;
      const unsigned last = segment.block.last;
      ordinalOf_[last] = segment.firstOrdinal + (rank - segment.firstRank);
      const int coefficients = layout_.fixedColumns + tailPrefix + std::popcount(last) + 1;
      if (fixedFault || (last & lastFaults) != 0) refuse(true);
      else if (!CanEnterList(coefficients, points_) || RepeatsAColumn(group_.pass, segment.block)) refuse(false);
      else {
        toFit_ |= 1u << last;
        ++fitCount;
      }
    }
    if (toFit_ == 0) return;
    if (!fixedLevelsResolved(fixedIds)) {
      refuseAll(0, -1);
      return;
    }
    // Every tail column loses its projections on the fixed columns, once.
    const int fixed = layout_.fixedColumns;
    unsigned lastNeeded = 0;
    for (unsigned g = 1; g < 16; ++g)
      if (toFit_ & (1u << g)) lastNeeded |= g;
    for (int c = 0; c < tailPrefix + engine; ++c) {
      if (c >= tailPrefix && !(lastNeeded & (1u << (c - tailPrefix)))) continue;
      if (!bank_.varies(tailIds_[c])) continue;
      double* state = s_.follower(0, c);
      copyColumn(state, bank_.column(tailIds_[c]));
      takeAwayProjections(state, 0, fixed);
    }
    // The tail prefix, column after column, every later tail column losing
    // its projection on each.
    for (int t = 0; t < tailPrefix; ++t) {
      const int level = fixed + t;
      if (!finishColumn(level, tailIds_[t], s_.follower(0, t))) {
        refuseAll(0, -1);
        return;
      }
      for (int c = t + 1; c < tailPrefix + engine; ++c) {
        if (c >= tailPrefix && !(lastNeeded & (1u << (c - tailPrefix)))) continue;
        if (!bank_.varies(tailIds_[c])) continue;
        takeAwayProjection(s_.follower(0, c), level);
      }
    }
    walkTrie(0, 0u, -1);
  }

  // Brings the fixed levels up to these columns, keeping those that agree;
  // false when one of them is refused.
  [[gnu::always_inline]] bool fixedLevelsResolved(const int* ids) {
    int j = 0;
    while (j < s_.validLevels && j < layout_.fixedColumns && s_.levelId[j] == ids[j]) {
      if (!s_.levelResolved[j]) return false;
      ++j;
    }
    for (; j < layout_.fixedColumns; ++j) {
      s_.levelId[j] = ids[j];
      s_.validLevels = j + 1;
      double* column = s_.q(j);
      bool resolved = bank_.varies(ids[j]);
      if (resolved) {
        copyColumn(column, bank_.column(ids[j]));
        takeAwayProjections(column, 0, j);
        resolved = finishColumn(j, ids[j], column);
      }
      s_.levelResolved[j] = resolved;
      if (!resolved) return false;
    }
    return true;
  }

  // Every fitted candidate of the tail below `path` (a trie node whose last
  // kind is lastKind; the root when -1) is refused.
  void refuseAll(unsigned path, int lastKind) {
    for (unsigned g = 1; g < 16; ++g)
      if ((toFit_ & (1u << g)) && (lastKind < 0 || Extends(g, path, lastKind))) refuse(false);
  }

  // The trie node of depth `depth` (its path's kinds) extended by each later
  // kind that some fitted last group continues with.
  void walkTrie(int depth, unsigned path, int lastKind) {
    const int engine = layout_.engine;
    const int tailPrefix = layout_.tailPrefixColumns;
    const int level = layout_.fixedColumns + tailPrefix + depth;
    for (int k = lastKind + 1; k < engine; ++k) {
      const unsigned child = path | (1u << k);
      bool needed = false;
      for (unsigned g = 1; g < 16 && !needed; ++g) needed = (toFit_ & (1u << g)) && Extends(g, child, k);
      if (!needed) continue;
      const int column = tailPrefix + k;
      if (!bank_.varies(tailIds_[column]) || !finishColumn(level, tailIds_[column], s_.follower(depth, column))) {
        refuseAll(child, k);
        continue;
      }
      if (toFit_ & (1u << child)) {
        ++count_.fitted;
        score(level, child);
      }
      // The later kinds that some fitted last group below this node holds.
      bool deeper = false;
      for (int later = k + 1; later < engine; ++later) {
        bool wanted = false;
        for (unsigned g = 1; g < 16 && !wanted; ++g)
          wanted = (toFit_ & (1u << g)) && Extends(g, child, k) && (g & (1u << later));
        if (!wanted) continue;
        deeper = true;
        const int laterColumn = tailPrefix + later;
        if (!bank_.varies(tailIds_[laterColumn])) continue;
        double* state = s_.follower(depth + 1, laterColumn);
        copyColumn(state, s_.follower(depth, laterColumn));
        takeAwayProjection(state, level);
      }
      if (deeper) walkTrie(depth + 1, child, k);
    }
  }

  [[gnu::always_inline]] void copyColumn(double* to, const double* from) {
    for (int i = 0; i < stride_; i += V::kLanes) V::store(to + i, V::load(from + i));
  }

  [[gnu::always_inline]] void takeAwayProjection(double* column, int level) {
    const double* q = s_.q(level);
    LanesSubtractMultiple<V>(column, LanesDot<V>(q, column, stride_), q, stride_);
  }

  [[gnu::always_inline]] void takeAwayProjections(double* column, int from, int to) {
    for (int level = from; level < to; ++level) takeAwayProjection(column, level);
  }

  // Level `level` from its column's state, which has lost its projections on
  // every level before it once: the second pass where the first left less
  // than half its squared length, the rank test, the orthonormal column,
  // and Y's projection on it and residual after it.
  [[gnu::always_inline]] bool finishColumn(int level, int id, const double* state) {
    double* q = s_.q(level);
    if (q != state) copyColumn(q, state);
    const double lengthSquared = bank_.squaredLength(id);
    double leftSquared = LanesDot<V>(q, q, stride_);
    if (leftSquared < kReorthogonalisedBelow * lengthSquared) {
      takeAwayProjections(q, 0, level);
      leftSquared = LanesDot<V>(q, q, stride_);
    }
    if (!ResolvesColumn(leftSquared, lengthSquared)) return false;
    const double inverse = 1.0 / std::sqrt(leftSquared);
    LanesMultiply<V>(q, q, inverse, stride_);
    const double* before = level == 0 ? scoring_.standardY.data() : s_.residual(level - 1);
    const double projection = LanesDot<V>(q, before, stride_);
    double* after = s_.residual(level);
    const typename V::Lanes factor = V::broadcast(projection);
    for (int i = 0; i < stride_; i += V::kLanes)
      V::store(after + i, V::load(before + i) - factor * V::load(q + i));
    return true;
  }

  void score(int level, unsigned last) {
    switch (scoring_.set) {
      case EquationSet::Y: return scoreAs<EquationSet::Y>(level, last);
      case EquationSet::Reciprocal: return scoreAs<EquationSet::Reciprocal>(level, last);
      case EquationSet::Square: return scoreAs<EquationSet::Square>(level, last);
      case EquationSet::Cube: return scoreAs<EquationSet::Cube>(level, last);
      case EquationSet::Log: return scoreAs<EquationSet::Log>(level, last);
      case EquationSet::Exp: return scoreAs<EquationSet::Exp>(level, last);
    }
  }

  // The candidate whose last column is at `level`: its fitted values and
  // squared residuals in scoring order, as ScoreCandidate forms them, until
  // their running sum rules it out; then the residual sum in point order.
  template <EquationSet Set>
  void scoreAs(int level, unsigned last) {
    const int coefficients = level + 2;
    const EntryTest& test = context_.test(coefficients);
    const double* residual = s_.residual(level);
    const double* standardY = scoring_.standardY.data();
    const double* observed = scoring_.observed.data();
    const double mean = scoring_.yScale.mean;
    const double length = scoring_.yScale.length;
    const double toScale = scoring_.toSquaresScale;
    double* squares = s_.squares();
    double partial = 0.0;
    for (const int i : bank_.scoringOrder()) {
      const double fitted = mean + length * (standardY[i] - residual[i]);
      const double difference = (observed[i] - BackTransform(Set, fitted)) * toScale;
      squares[i] = difference * difference;
      partial += squares[i];
      if (test.rulesOut(partial)) return;
    }
    double ssRes = 0.0;
    for (int i = 0; i < points_; ++i) ssRes += squares[i];
    EntryScore entry;
    entry.ssRes = ssRes;
    if (!test.admits(ssRes, entry.merit)) return;
    candidacies_.push_back({ordinalOf_[last], entry, coefficients});
  }

  const BlockGroup& group_;
  const GroupWalkContext& context_;
  const ColumnBank& bank_;
  const SetScoring& scoring_;
  const GroupLayout layout_;
  PrefixScratch& s_;
  RefusalCount& count_;
  std::vector<GroupCandidacy>& candidacies_;
  const int stride_;
  const int points_;
  int tailIds_[PrefixScratch::kTailColumns] = {};
  unsigned toFit_ = 0;                // bit g: the block with last group g has a candidate to fit here
  std::int64_t ordinalOf_[16] = {};   // by last group, the ordinal of its candidate here
};

struct WalkGroup {
  template <class V>
  static void run(const BlockGroup& group, const GroupWalkContext& context, PrefixScratch& scratch,
                  RefusalCount& count, std::vector<GroupCandidacy>& candidacies) {
    GroupWalk<V>(group, context, scratch, count, candidacies).run();
  }
};

}  // namespace

PrefixScratch::PrefixScratch(int stride)
    : stride_(stride),
      q_(static_cast<size_t>(kMaxCandidateColumns) * static_cast<size_t>(stride), 0.0),
      residual_(static_cast<size_t>(kMaxCandidateColumns) * static_cast<size_t>(stride), 0.0),
      followers_(static_cast<size_t>(kTailColumns) * (kTailColumns + 1) * static_cast<size_t>(stride), 0.0),
      squares_(static_cast<size_t>(stride), 0.0) {}

bool RepeatsAColumn(const KindPass& pass, const VariableBlock& block) {
  for (int a = 0; a < pass.engine; ++a)
    for (int b = a + 1; b < pass.engine; ++b)
      if (pass.kinds[static_cast<size_t>(a)] == pass.kinds[static_cast<size_t>(b)] &&
          (block.m > 1 || (((block.last >> a) & 1u) && ((block.last >> b) & 1u))))
        return true;
  return false;
}

void ExamineBlockGroup(const BlockGroup& group, const GroupWalkContext& context, VectorWidth width,
                       PrefixScratch& scratch, RefusalCount& count, std::vector<GroupCandidacy>& candidacies) {
  const size_t before = candidacies.size();
  RunKernel<WalkGroup>(width, group, context, scratch, count, candidacies);
  std::sort(candidacies.begin() + static_cast<std::ptrdiff_t>(before), candidacies.end(),
            [](const GroupCandidacy& a, const GroupCandidacy& b) { return a.ordinal < b.ordinal; });
}

}  // namespace rv
