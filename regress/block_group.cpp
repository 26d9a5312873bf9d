#include "regress/block_group.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include "regress/kernel_dispatch.h"
#include "regress/lane_back_transform.h"
#include "regress/lane_sums.h"
#include "regress/leave_one_out.h"
#include "regress/orthogonal_fit.h"
#include "regress/y_form.h"

namespace rv {

namespace {

// The candidates of a group with variables u0 < u1 < ... < u(m-1) hold, in
// term order, on each u_r but the last every kind of the pass (a
// two-variable kind taking u(r+1) as its second variable), then the last
// group's kinds on u(m-1). The walk goes through the subsets as a tree of
// variables, one tree for the blocks of every m: node r stands for u0 ...
// u_r (r <= m - 2 for the blocks of m variables) and adds the columns
// those fix (the kinds of u(r-1) from the first two-variable one on, which
// u_r completes, and the kinds of u_r before it); a leaf adds the columns
// the last variable fixes and the last groups of the blocks, which form a
// trie of their own (A, AB, ABC, ...). Each node keeps its followers: every
// one-variable kind on every later variable after the projections on all
// the node's columns, so that a child or a leaf starts from its parent's
// followers instead of from the bank; and likewise every two-variable kind on
// every pair of variables from its own last one on.
struct GroupLayout {
  int engine = 1;
  int firstTwoVariableKind = 1;   // engine when the pass has none
  unsigned oneVariableKinds = 0;  // bit k: kind k uses one variable

  explicit GroupLayout(const KindPass& pass) : engine(pass.engine), firstTwoVariableKind(pass.engine) {
    for (int k = engine - 1; k >= 0; --k) {
      if (UsesSecondVariable(pass.kinds[static_cast<size_t>(k)])) firstTwoVariableKind = k;
      else oneVariableKinds |= 1u << k;
    }
  }
};

// The kinds of a last group in order as a mask: bit k for kind k.
bool Extends(unsigned group, unsigned path, int lastKind) { return (group & ((2u << lastKind) - 1u)) == path; }

int HighestKind(unsigned path) { return 31 - __builtin_clz(path); }

// The paths of kinds of an engine in depth-first order: A, AB, ABC, ABCD,
// ABD, AC, ACD, AD, B, ... as masks (bit k for kind k).
const std::vector<unsigned>& TrieOrder(int engine) {
  static const auto orders = [] {
    std::array<std::vector<unsigned>, 5> all;
    for (int e = 1; e <= 4; ++e) {
      auto visit = [&](auto& self, unsigned path, int last) -> void {
        for (int k = last + 1; k < e; ++k) {
          all[static_cast<size_t>(e)].push_back(path | (1u << k));
          self(self, path | (1u << k), k);
        }
      };
      visit(visit, 0u, -1);
    }
    return all;
  }();
  return orders[static_cast<size_t>(engine)];
}

// The trie of the last groups fitted at a leaf: for each node (a path of
// kinds), whether some fitted group passes through it, and which later kinds
// the groups below it hold.
struct LastGroupTrie {
  unsigned fitted = 0;  // bit g: last group g is fitted
  bool needed[16] = {};
  unsigned later[16] = {};
  unsigned pairsWanted[4] = {};  // bit l of [k]: some fitted group holds kinds k and l, k < l
  unsigned kinds = 0;            // the kinds of every fitted group

  void build(unsigned groups, int engine) {
    fitted = groups;
    kinds = 0;
    for (unsigned g = 1; g < 16; ++g)
      if (groups & (1u << g)) kinds |= g;
    for (int k = 0; k < 4; ++k) {
      pairsWanted[k] = 0;
      for (unsigned g = 1; g < 16; ++g)
        if ((groups & (1u << g)) && (g & (1u << k))) pairsWanted[k] |= g & ~((2u << k) - 1u);
    }
    for (unsigned path = 1; path < 16; ++path) {
      needed[path] = false;
      later[path] = 0;
      const int last = HighestKind(path);
      for (unsigned g = 1; g < 16; ++g) {
        if (!(groups & (1u << g)) || !Extends(g, path, last)) continue;
        needed[path] = true;
        later[path] |= g & ~((2u << last) - 1u) & ((1u << engine) - 1u);
      }
    }
  }
};

// The states of the last groups' later kinds at one node of the trie, with
// the sum over the points of each pair of them (pairs[k][l], k < l), which
// the node's children take their projections from.
struct TrieStates {
  ColumnState state[4];
  double pairs[4][4] = {};
};

template <class V>
class GroupWalk {
 public:
  GroupWalk(const BlockGroup& group, const GroupWalkContext& context, PrefixScratch& scratch, RefusalCount& count,
            std::vector<GroupCandidacy>& candidacies)
      : group_(group),
        context_(context),
        bank_(*context.bank),
        scoring_(*group.scoring),
        layout_(group.pass),
        s_(scratch),
        count_(count),
        candidacies_(candidacies),
        points_(bank_.pointCount()),
        vectors_(VectorCount<V>(points_)),
        orderedVectors_(std::min(vectors_, kOrderedVectors)),
        lastPoints_(V::below(V::gather([](int l) { return static_cast<double>(l); }),
                             V::broadcast(static_cast<double>(points_ - (vectors_ - 1) * V::kLanes)))) {
    std::iota(vectorOrder_, vectorOrder_ + orderedVectors_, 0);
    const int n = context_.variables;
    for (size_t i = 0; i < group_.segments.size(); ++i) {
      const Segment& segment = group_.segments[i];
      Size& size = sizes_[segment.block.m];
      if (!size.present) size.firstSegment = i;
      size.endSegment = i + 1;
      const std::int64_t lastRank = segment.firstRank + segment.count - 1;
      size.nextRank = size.present ? std::min(size.nextRank, segment.firstRank) : segment.firstRank;
      size.lastRank = size.present ? std::max(size.lastRank, lastRank) : lastRank;
      size.present = true;
      size.lastKinds |= segment.block.last;
      if (RepeatsAColumn(group_.pass, segment.block)) size.repeatingLasts |= 1u << segment.block.last;
      largest_ = std::max(largest_, segment.block.m);
    }
    const unsigned nodeKinds = layout_.oneVariableKinds & ((1u << layout_.firstTwoVariableKind) - 1u);
    for (int m = 1; m <= largest_; ++m) {
      Size& size = sizes_[m];
      if (!size.present) continue;
      UnrankSubset(n, m, size.nextRank, size.first);
      UnrankSubset(n, m, size.lastRank, size.last);
      size.whole = size.nextRank == 0 && size.lastRank == Binomial(n, m) - 1;
      for (int r = 0; r + 2 <= m && r <= PrefixScratch::kNodeDepths; ++r)
        followerKinds_[r] |= (size.lastKinds & layout_.oneVariableKinds) | (r + 2 < m ? nodeKinds : 0u);
    }
    const int pairKinds = layout_.engine - layout_.firstTwoVariableKind;
    keepsPairs_ = pairKinds > 0 && pairKinds <= PrefixScratch::kPairKinds &&
                  (layout_.oneVariableKinds >> layout_.firstTwoVariableKind) == 0 && largest_ >= 3 &&
                  s_.keptPairDepths() >= largest_ - 1;
  }

  // Blocks of one size m: their subsets in the order of their ranks, each
  // entering the nodes from the first variable it changed.
  [[gnu::always_inline]] void runOneSize() {
    const int n = context_.variables;
    const int m = largest_;
    const Size& size = sizes_[m];
    std::uint8_t subset[kMaxSearchVariables];
    std::uint8_t before[kMaxSearchVariables] = {};
    std::copy(size.first, size.first + m, subset);
    for (std::int64_t rank = size.nextRank; rank <= size.lastRank; ++rank) {
      int changed = 0;
      if (rank > size.nextRank)
        while (changed < m - 1 && subset[changed] == before[changed]) ++changed;
      for (int r = changed; r + 1 < m; ++r) enterNode(r, subset);
      examineLeaf(subset, m, rank);
      std::copy(subset, subset + m, before);
      NextSubset(n, m, subset);
    }
  }

  // Blocks of several sizes: the subsets of variables in depth-first order,
  // each before the subsets it is the start of. A subset of m variables is a
  // leaf of the blocks of m variables (their subsets come in the order of
  // their ranks) and the node of the blocks of more, so that every block
  // shares the work on a common start.
  [[gnu::always_inline]] void runTree() {
    const int n = context_.variables;
    std::uint8_t u[kMaxSearchVariables + 1];
    int d = 1;
    u[0] = 1;
    while (d > 0) {
      Size& size = sizes_[d];
      const bool tailKept = size.present && reaches(size, d, u, d) && examineLeaf(u, d, size.nextRank++);
      bool deeper = false;
      for (int m = d + 1; m <= largest_ && !deeper; ++m) deeper = sizes_[m].present && reaches(sizes_[m], m, u, d);
      if (deeper) {
        enterNode(d - 1, u, tailKept);
        u[d] = static_cast<std::uint8_t>(u[d - 1] + 1);
        ++d;
        continue;
      }
      while (d > 0 && ++u[d - 1] > n) --d;
    }
  }

  // Blocks of one variable that hold every kind of their passes, which
  // differ in their last kind only: on each variable the columns of the
  // kinds before the last are taken to their levels once, and each pass's
  // last kind from the bank to the level after them, by the steps of the
  // plain fit.
  [[gnu::always_inline]] void runLastKinds() {
    const int shared = layout_.engine - 1;
    const unsigned all = (1u << layout_.engine) - 1u;
    const int coefficients = layout_.engine + 1;
    for (int v = 1; v <= context_.variables; ++v) {
      const std::int64_t rank = v - 1;
      bool sharedFault = false;
      for (int k = 0; k < shared; ++k) sharedFault = sharedFault || faultsOn(kind(k), v);
      bool taken = false;
      bool resolved = false;
      for (const Segment& segment : group_.segments) {
        if (rank < segment.firstRank || rank >= segment.firstRank + segment.count) continue;
        const int lastKind = segment.pass.kinds[static_cast<size_t>(shared)];
        if (sharedFault || faultsOn(lastKind, v)) {
          refuse(true);
          continue;
        }
        if (!CanEnterList(coefficients, points_) || RepeatsAColumn(segment.pass, segment.block)) {
          refuse(false);
          continue;
        }
        if (!taken) {
          resolved = takeSharedKinds(v);
          taken = true;
        }
        double* room = s_.levelColumn(shared);
        if (!resolved || !finish(shared, project(bankState(bank_.id(lastKind, v, 0), room), shared, room))) {
          refuse(false);
          continue;
        }
        ++count_.fitted;
        ordinalOf_[all] = segment.firstOrdinal + (rank - segment.firstRank);
        score(shared, all);
      }
    }
  }

 private:
  // Whether a kind on variable v alone fails a guard: a kind of two
  // variables has no column on one.
  bool faultsOn(int kind, int v) const { return UsesSecondVariable(kind) || bank_.faulted(bank_.id(kind, v, 0)); }

  // The kinds before the last on variable v, each taken to its level; false
  // when the rank test refuses one.
  bool takeSharedKinds(int v) {
    for (int level = 0; level + 1 < layout_.engine; ++level) {
      double* room = s_.levelColumn(level);
      if (!finish(level, project(bankState(bank_.id(kind(level), v, 0), room), level, room))) return false;
      materialiseResidual(level);
    }
    return true;
  }

  // The blocks of m variables of the group: their segments (next to one
  // another, as the sequence orders the blocks of a pass by m), the first
  // and last subsets of their ranks, the rank of the next leaf and the kinds
  // of their last groups.
  struct Size {
    bool present = false;
    size_t firstSegment = 0;
    size_t endSegment = 0;
    std::uint8_t first[kMaxSearchVariables] = {};
    std::uint8_t last[kMaxSearchVariables] = {};
    bool whole = false;  // every subset of m variables
    std::int64_t nextRank = 0;
    std::int64_t lastRank = 0;
    unsigned lastKinds = 0;
    unsigned repeatingLasts = 0;  // bit g: the candidates of last group g hold a column twice
  };

  // Whether a[0 .. d) comes before b[0 .. d) in lexicographic order.
  static bool Before(const std::uint8_t* a, const std::uint8_t* b, int d) {
    for (int i = 0; i < d; ++i)
      if (a[i] != b[i]) return a[i] < b[i];
    return false;
  }

  // Whether some subset of m variables that starts with u[0 .. d) lies in
  // the ranks of the blocks of m variables: the start lies between those of
  // their first and last subsets, and leaves room for m - d more variables.
  bool reaches(const Size& size, int m, const std::uint8_t* u, int d) const {
    if (u[d - 1] > context_.variables - (m - d)) return false;
    return size.whole || (!Before(u, size.first, d) && !Before(size.last, u, d));
  }

  int kind(int k) const { return group_.pass.kinds[static_cast<size_t>(k)]; }
  const double* residualBefore(int level) { return level == 0 ? scoring_.standardY.data() : s_.residual(level - 1); }
  const double* hatBefore(int level) { return level == 0 ? scoring_.constantShares.data() : s_.hat(level - 1); }

  void refuse(bool outsideRange) {
    if (!group_.countsRefusals) return;
    if (outsideRange) ++count_.outsideRange;
    else ++count_.unresolved;
  }

  // Node r: the columns u0 ... u_r fix beyond node r - 1's, each taken to its
  // level, then the node's followers. tailKept: the leaf of u0 ... u_r has
  // just left its tail, the node's first columns, at their levels.
  [[gnu::always_inline]] void enterNode(int r, const std::uint8_t* u, bool tailKept = false) {
    const int engine = layout_.engine;
    const int f = layout_.firstTwoVariableKind;
    const int from = r == 0 ? 0 : levelsAfter_[r - 1];
    int level = from;
    faulted_[r] = r > 0 && faulted_[r - 1];
    resolved_[r] = r == 0 || resolved_[r - 1];
    int ids[2 * 4];
    bool kept[2 * 4];  // the column starts from its parent's follower
    int kinds[2 * 4];
    int count = 0;
    if (r > 0)
      for (int k = f; k < engine; ++k) {
        ids[count] = bank_.id(kind(k), u[r - 1], u[r]);
        kept[count] = false;
        kinds[count++] = k;
      }
    for (int k = 0; k < f; ++k) {
      ids[count] = bank_.id(kind(k), u[r], 0);
      kept[count] = true;
      kinds[count++] = k;
    }
    for (int c = 0; c < count; ++c) faulted_[r] = faulted_[r] || bank_.faulted(ids[c]);
    levelsAfter_[r] = from + count;
    if (faulted_[r] || !resolved_[r]) return;
    const int tail = tailKept && r > 0 ? engine - f : 0;  // the two-variable kinds come first
    level += tail;
    for (int c = tail; c < count; ++c, ++level) {
      const ColumnState start = kept[c]       ? followerOf(r - 1, kinds[c], u[r])
                                : keepsPairs_ ? s_.pairState(r - 1, pairSlot(kinds[c], u[r - 1], u[r]))
                                              : bankState(ids[c], s_.levelColumn(level));
      if (!finish(level, project(start, level, s_.levelColumn(level)))) {
        resolved_[r] = false;
        return;
      }
      materialiseResidual(level);
    }
    if (r < s_.keptNodeDepths()) keepFollowers(r, u);
    if (keepsPairs_ && r + 2 <= largest_) keepPairs(r, u);
  }

  // The follower of node r (r = -1: before any node) for kind k on
  // variable v: kept by that node, or by the deepest node above it that
  // keeps followers, or the bank's column.
  [[gnu::always_inline]] ColumnState followerOf(int r, int k, int v) {
    const int depth = std::min(r, s_.keptNodeDepths() - 1);
    if (depth < 0) return bankState(bank_.id(kind(k), v, 0));
    return s_.followers[depth][k * 16 + v];
  }

  // The bank's column as a state before any projection; `room` takes a
  // column the bank makes on demand (a two-variable one of a long sheet).
  ColumnState bankState(int id, double* room = nullptr) {
    if (bank_.faulted(id) || !bank_.varies(id)) return ColumnState{nullptr, 0.0, 0.0, id, 0};
    return {bank_.makeColumn(id, room), bank_.squaredLength(id), 0.0, id, 0};
  }

  // Node r's followers: each one-variable kind that a later node or the
  // last group holds, on each later variable, after the node's columns; two
  // at a time, which share the sweeps over the node's columns.
  [[gnu::always_inline]] void keepFollowers(int r, const std::uint8_t* u) {
    const int n = context_.variables;
    const int to = levelsAfter_[r];
    const unsigned kinds = followerKinds_[r];
    ColumnState* states[2];
    double* outs[2];
    int count = 0;
    for (int v = u[r] + 1; v <= n; ++v)
      for (int k = 0; k < layout_.engine; ++k) {
        if (!(kinds & (1u << k))) continue;
        const int slot = k * 16 + v;
        s_.followers[r][slot] = followerOf(r - 1, k, v);
        if (s_.followers[r][slot].values == nullptr) continue;
        states[count] = &s_.followers[r][slot];
        outs[count++] = s_.follower(r, slot);
        if (count == 2) {
          projectTogether(states, outs, to);
          count = 0;
        }
      }
    if (count == 1) *states[0] = project(*states[0], to, outs[0]);
  }

  // Kind k's pair of variables w < v among PrefixScratch's pairs.
  int pairSlot(int k, int w, int v) const {
    return (k - layout_.firstTwoVariableKind) * PrefixScratch::kPairsOfVariables + (w - 1) * kMaxSearchVariables -
           (w - 1) * w / 2 + (v - w - 1);
  }

  // Node r's pairs of variables (w, v), u_r <= w < v, of each two-variable
  // kind after the node's columns, two at a time: those with w = u_r are
  // the first columns of its children and the tails of its leaves; the
  // others, kept for the nodes below, need only the node's own columns
  // taken away from its parent's.
  [[gnu::always_inline]] void keepPairs(int r, const std::uint8_t* u) {
    const int n = context_.variables;
    const int to = levelsAfter_[r];
    const int lastFirst = r + 3 <= largest_ ? n - 1 : u[r];
    ColumnState* states[2];
    double* outs[2];
    int count = 0;
    for (int w = u[r]; w <= lastFirst; ++w)
      for (int v = w + 1; v <= n; ++v)
        for (int k = layout_.firstTwoVariableKind; k < layout_.engine; ++k) {
          const int slot = pairSlot(k, w, v);
          ColumnState& state = s_.pairState(r, slot);
          double* out = s_.pairFollower(r, slot);
          state = r == 0 ? bankState(bank_.id(kind(k), w, v), out) : s_.pairState(r - 1, slot);
          if (state.values == nullptr) continue;
          states[count] = &state;
          outs[count++] = out;
          if (count == 2) {
            projectTogether(states, outs, to);
            count = 0;
          }
        }
    if (count == 1) *states[0] = project(*states[0], to, outs[0]);
  }

  // Two states of as many levels after the projections on levels up to
  // to - 1, side by side, into `outs`.
  [[gnu::always_inline]] void projectTogether(ColumnState* const* states, double* const* outs, int to) {
    const int from = states[0]->levels;
    if (from >= to) {
      for (int k = 0; k < 2; ++k) *states[k] = project(*states[k], to, outs[k]);
      return;
    }
    const double* ins[2] = {states[0]->values, states[1]->values};
    double amounts[2];
    if (from == 0 && bank_.hasPairSums()) {
      for (int k = 0; k < 2; ++k) amounts[k] = bank_.pairSum(s_.columnId[0], states[k]->id);
    } else {
      LanesDots<V, 2>(s_.column[from], ins, amounts, points_);
    }
    for (int level = from; level < to; ++level) {
      for (double& amount : amounts) amount = amount * s_.inverseSquare[level];
      if (level + 1 < to) {
        LanesSubtractEachThenSums<V, 2, false>(outs, ins, amounts, s_.column[level], s_.column[level + 1], amounts,
                                               nullptr, points_);
      } else {
        double squares[2];
        LanesSubtractEachThenSums<V, 2, true>(outs, ins, amounts, s_.column[level], s_.residual(level), amounts,
                                              squares, points_);
        for (int k = 0; k < 2; ++k) {
          states[k]->squaredLength = squares[k];
          states[k]->withResidual = amounts[k];
        }
      }
      ins[0] = outs[0];
      ins[1] = outs[1];
    }
    for (int k = 0; k < 2; ++k) {
      states[k]->values = outs[k];
      states[k]->levels = to;
    }
  }

  // The state after the projections on its levels up to to - 1 are taken
  // away, one after the other, into `buffer`, with its squared length and its
  // sum with Y's residual after level to - 1.
  [[gnu::always_inline]] ColumnState project(ColumnState state, int to, double* buffer) {
    if (state.values == nullptr) return state;
    const int from = state.levels;
    state.levels = to;
    const bool fromBank = from == 0;  // the bank's own column, as level 0's is
    if (from >= to) {
      if (to == 0) state.withResidual = scoring_.columnSums[static_cast<size_t>(state.id)];
      return state;
    }
    double amount = (fromBank && bank_.hasPairSums() ? bank_.pairSum(s_.columnId[0], state.id)
                                                     : LanesDot<V>(s_.column[from], state.values, points_)) *
                    s_.inverseSquare[from];
    for (int level = from; level < to; ++level) {
      if (level + 1 < to) {
        amount =
            LanesSubtractThenDot<V>(buffer, state.values, amount, s_.column[level], s_.column[level + 1], points_) *
            s_.inverseSquare[level + 1];
      } else {
        LanesSubtractThenSums<V>(buffer, state.values, amount, s_.column[level], s_.residual(level),
                                 state.squaredLength, state.withResidual, points_);
      }
      state.values = buffer;
    }
    return state;
  }

  // Level `level` from its column's state, which has lost its projections on
  // every level before it once: the second pass where the first left less
  // than kReorthogonalisedBelow of its squared length, the rank test, and
  // Y's projection on it. False when the rank test refuses the column.
  [[gnu::always_inline]] bool finish(int level, ColumnState state) {
    if (state.values == nullptr) return false;
    if (state.squaredLength < kReorthogonalisedBelow * bank_.squaredLength(state.id)) {
      double* column = s_.levelColumn(level);
      for (int i = 0; i < level; ++i) {
        const double amount = LanesDot<V>(s_.column[i], state.values, points_) * s_.inverseSquare[i];
        LanesSubtractMultiple<V>(column, state.values, amount, s_.column[i], points_);
        state.values = column;
      }
      state.squaredLength = LanesDot<V>(state.values, state.values, points_);
      state.withResidual = LanesDot<V>(state.values, residualBefore(level), points_);
    }
    if (!ResolvesColumn(state.squaredLength, bank_.rankReference(state.id))) return false;
    s_.column[level] = state.values;
    s_.columnId[level] = state.id;
    s_.inverseSquare[level] = 1.0 / state.squaredLength;
    s_.projection[level] = state.withResidual * s_.inverseSquare[level];
    return true;
  }

  [[gnu::always_inline]] void materialiseResidual(int level) {
    LanesSubtractMultiple<V>(s_.residual(level), residualBefore(level), s_.projection[level], s_.column[level],
                             points_);
    materialiseHat(level);
  }

  // The hat values after the level's column: those before it plus a^2 / (a . a).
  [[gnu::always_inline]] void materialiseHat(int level) {
    if (!context_.leaveOneOut) return;
    double* out = s_.hat(level);
    const double* in = hatBefore(level);
    const double* a = s_.column[level];
    const typename V::Lanes inverseSquare = V::broadcast(s_.inverseSquare[level]);
    ForEachVector<V>(points_, [&](int i, int) [[gnu::always_inline]] {
      const typename V::Lanes column = V::load(a + i);
      V::store(out + i, V::load(in + i) + column * column * inverseSquare);
    });
  }

  // The leaf of the m variables u: its candidates, one per block of m
  // variables with a candidate at this rank. True when its tail's columns,
  // residuals and hats stay at their levels, where node m - 1 of the same
  // variables would work them out again.
  [[gnu::always_inline]] bool examineLeaf(const std::uint8_t* u, int m, std::int64_t rank) {
    const int engine = layout_.engine;
    const int f = layout_.firstTwoVariableKind;
    const int node = m - 2;  // -1: no node above the leaf
    const int fixed = node < 0 ? 0 : levelsAfter_[node];
    // The tail: the kinds of u(m-2) that the last variable completes.
    int tailIds[4];
    int tailCount = 0;
    bool tailFault = false;
    if (m >= 2)
      for (int k = f; k < engine; ++k) {
        tailIds[tailCount] = bank_.id(kind(k), u[m - 2], u[m - 1]);
        tailFault = tailFault || bank_.faulted(tailIds[tailCount++]);
      }
    unsigned lastFaults = 0;
    for (int k = 0; k < engine; ++k)
      if (faultsOn(kind(k), u[m - 1])) lastFaults |= 1u << k;
    const bool prefixFault = (node >= 0 && faulted_[node]) || tailFault;
    unsigned fitted = 0;
    for (size_t i = sizes_[m].firstSegment; i < sizes_[m].endSegment; ++i) {
      const Segment& segment = group_.segments[i];
      if (rank < segment.firstRank || rank >= segment.firstRank + segment.count) continue;
      const unsigned last = segment.block.last;
      ordinalOf_[last] = segment.firstOrdinal + (rank - segment.firstRank);
      const int coefficients = fixed + tailCount + KindCount(last) + 1;
      if (prefixFault || (last & lastFaults) != 0) refuse(true);
      else if (!CanEnterList(coefficients, points_) || (sizes_[m].repeatingLasts & (1u << last)) != 0) refuse(false);
      else fitted |= 1u << last;
    }
    if (fitted == 0) return false;
    LastGroupTrie& trie = tries_[m];
    if (fitted != trie.fitted) trie.build(fitted, engine);
    trie_ = &trie;
    if (node >= 0 && !resolved_[node]) {
      refuseBelow(0);
      return false;
    }
    // The tail's levels, each from the node's pairs or the bank.
    int level = fixed;
    for (int t = 0; t < tailCount; ++t, ++level) {
      double* room = s_.levelColumn(level);
      const ColumnState start =
          keepsPairs_ ? s_.pairState(node, pairSlot(f + t, u[m - 2], u[m - 1])) : bankState(tailIds[t], room);
      if (!finish(level, project(start, level, room))) {
        refuseBelow(0);
        return false;
      }
      materialiseResidual(level);
    }
    // The last groups' columns after the tail's projections, and the sums
    // of their pairs.
    trieLevel_ = level;
    TrieStates& root = trieStates_[0];
    const unsigned lastKinds = trie_->kinds;
    for (int k = 0; k < engine; ++k)
      root.state[k] =
          lastKinds & (1u << k) ? project(followerOf(node, k, u[m - 1]), level, s_.trieState(0, k)) : ColumnState{};
    for (int k = 0; k < engine; ++k)
      for (int l = k + 1; l < engine; ++l)
        if ((trie_->pairsWanted[k] & (1u << l)) && root.state[k].values && root.state[l].values)
          root.pairs[k][l] = pairSum(root.state[k], root.state[l]);
    walkTrie();
    return true;
  }

  // The sum over the points of two states, from the bank's sums when both
  // are the bank's own columns.
  double pairSum(const ColumnState& a, const ColumnState& b) {
    if (a.levels == 0 && b.levels == 0 && bank_.hasPairSums()) return bank_.pairSum(a.id, b.id);
    return LanesDot<V>(a.values, b.values, points_);
  }

  // Every fitted last group through `path` (all of them for path 0) is refused.
  void refuseBelow(unsigned path) {
    for (unsigned g = 1; g < 16; ++g)
      if ((trie_->fitted & (1u << g)) && (path == 0 || Extends(g, path, HighestKind(path)))) refuse(false);
  }

  // The trie's nodes in depth-first order, each after its parent and before
  // its parent's later children (no recursion: the walk stays one function,
  // compiled for its vectors); trieStates_[depth] holds the later kinds'
  // columns after their projections on a node's path.
  [[gnu::always_inline]] void walkTrie() {
    unsigned skipped = 0;  // a refused node: the nodes below it are skipped
    for (const unsigned child : TrieOrder(layout_.engine)) {
      const int k = HighestKind(child);
      const unsigned path = child & ~(1u << k);
      if (skipped != 0 && Extends(child, skipped, HighestKind(skipped))) continue;
      skipped = 0;
      if (!trie_->needed[child]) {
        skipped = child;
        continue;
      }
      const int depth = KindCount(path);
      const int level = trieLevel_ + depth;
      ColumnState state = trieStates_[depth].state[k];
      const bool reorthogonalised = state.values != nullptr && needsSecondPass(state);
      if (!finish(level, state)) {
        refuseBelow(child);
        skipped = child;
        continue;
      }
      if (trie_->fitted & (1u << child)) {
        ++count_.fitted;
        score(level, child);
      }
      if (trie_->later[child] != 0) spread(depth, level, k, child, reorthogonalised);
    }
  }

  bool needsSecondPass(const ColumnState& state) const {
    return state.squaredLength < kReorthogonalisedBelow * bank_.squaredLength(state.id);
  }

  // The node of kind k at `level` with children: Y's residual after it and
  // its later kinds' columns after their projection on it, in one sweep.
  void spread(int depth, int level, int k, unsigned child, bool reorthogonalised) {
    const int engine = layout_.engine;
    TrieStates& states = trieStates_[depth];
    TrieStates& next = trieStates_[depth + 1];
    const double* a = s_.column[level];
    int kinds[3];
    double* outs[3];
    const double* ins[3];
    double amounts[3];
    int count = 0;
    for (int later = k + 1; later < engine; ++later) {
      next.state[later] = ColumnState{};
      if (!(trie_->later[child] & (1u << later)) || states.state[later].values == nullptr) continue;
      // A second pass changed the column since its sums with the others were taken.
      const double sum =
          reorthogonalised ? LanesDot<V>(a, states.state[later].values, points_) : states.pairs[k][later];
      kinds[count] = later;
      outs[count] = s_.trieState(depth + 1, later);
      ins[count] = states.state[later].values;
      amounts[count++] = sum * s_.inverseSquare[level];
    }
    double squares[3], withResidual[3], pairs[9];
    double* residual = s_.residual(level);
    const double* before = residualBefore(level);
    const double h = s_.projection[level];
    switch (count) {
      case 0: LanesSubtractMultiple<V>(residual, before, h, a, points_); break;
      case 1:
        LanesSpread<V, 1>(residual, before, h, a, outs, ins, amounts, squares, withResidual, pairs, points_);
        break;
      case 2:
        LanesSpread<V, 2>(residual, before, h, a, outs, ins, amounts, squares, withResidual, pairs, points_);
        break;
      default: LanesSpread<V, 3>(residual, before, h, a, outs, ins, amounts, squares, withResidual, pairs, points_);
    }
    materialiseHat(level);
    for (int i = 0; i < count; ++i) {
      const ColumnState& from = states.state[kinds[i]];
      next.state[kinds[i]] = {outs[i], squares[i], withResidual[i], from.id, level + 1};
      for (int j = i + 1; j < count; ++j) next.pairs[kinds[i]][kinds[j]] = pairs[i * count + j];
    }
  }

  void score(int level, unsigned last) {
    const bool weighted = scoring_.weighted;
    if (context_.leaveOneOut)
      return weighted ? scoreWith<true, true>(level, last) : scoreWith<false, true>(level, last);
    return weighted ? scoreWith<true, false>(level, last) : scoreWith<false, false>(level, last);
  }

  template <bool Weighted, bool LeaveOneOut>
  void scoreWith(int level, unsigned last) {
    switch (scoring_.set) {
      case EquationSet::Y: return scoreAs<EquationSet::Y, Weighted, LeaveOneOut>(level, last);
      case EquationSet::Reciprocal: return scoreAs<EquationSet::Reciprocal, Weighted, LeaveOneOut>(level, last);
      case EquationSet::Square: return scoreAs<EquationSet::Square, Weighted, LeaveOneOut>(level, last);
      case EquationSet::Cube: return scoreAs<EquationSet::Cube, Weighted, LeaveOneOut>(level, last);
      case EquationSet::Log: return scoreAs<EquationSet::Log, Weighted, LeaveOneOut>(level, last);
      case EquationSet::Exp: return scoreAs<EquationSet::Exp, Weighted, LeaveOneOut>(level, last);
    }
  }

  // The candidate whose last column is at `level`: Y's residual after it,
  // its fitted values and squared residuals in the scoring order, as
  // ScoreCandidate forms them, a vector of points at a time, until their
  // running sum rules it out; at the end, their sum in point order is the
  // residual sum. The sets whose back transform calls the library first sum
  // floors of the squared residuals from an estimate of it
  // (regress/lane_back_transform.h): a floor sum that rules the candidate
  // out rules out the true sum. Weighted, each point's difference is scaled
  // by its own weight and the fitted value on the transformed scale
  // multiplied back by its sigma; ranked by predicted R squared, the
  // leave-one-out sum is formed beside the residual sum and rules the
  // candidate out instead.
  template <EquationSet Set, bool Weighted, bool LeaveOneOut>
  void scoreAs(int level, unsigned last) {
    using Lanes = typename V::Lanes;
    constexpr int N = V::kLanes;
    const int coefficients = level + 2;
    const EntryTest& test = context_.tests->forCoefficients(coefficients);
    const double* before = residualBefore(level);
    const double* column = s_.column[level];
    const double* standardY = scoring_.standardY.data();
    const double* observed = scoring_.observed.data();
    const double* sigma = scoring_.sigma.data();
    const double* pointScale = scoring_.pointScale.data();
    const Lanes projection = V::broadcast(s_.projection[level]);
    const Lanes mean = V::broadcast(scoring_.yScale.mean);
    const Lanes length = V::broadcast(scoring_.yScale.length);
    const Lanes toScale = V::broadcast(scoring_.toSquaresScale);
    auto scaleAt = [&](int k) [[gnu::always_inline]] {
      if constexpr (Weighted) return V::load(pointScale + k);
      else return toScale;
    };
    auto residualAt = [&](int k)
                          [[gnu::always_inline]] { return V::load(before + k) - projection * V::load(column + k); };
    // The value on the transformed scale of the points k ... k + N - 1 (past
    // the last point, of the zeros that pad the columns) with this residual.
    auto fromStandard = [&](int k, Lanes residual) [[gnu::always_inline]] {
      const Lanes standard = V::load(standardY + k) - residual;
      if constexpr (Weighted) return mean + length * (standard * V::load(sigma + k));
      else return mean + length * standard;
    };
    auto fitted = [&](int k) [[gnu::always_inline]] { return fromStandard(k, residualAt(k)); };
    // Each point's observation less the back transform of a value, scaled.
    auto differences = [&](int k, Lanes values) [[gnu::always_inline]] {
      Lanes difference = V::broadcast(0.0);
      if constexpr (HasCheapBackTransform(Set)) {
        difference = (V::load(observed + k) - CheapBackTransform<V, Set>(values)) * scaleAt(k);
      } else {
        const Lanes scale = scaleAt(k);
        for (int l = 0; l < N && k + l < points_; ++l)
          difference[l] = (observed[k + l] - BackTransform(Set, values[l])) * scale[l];
      }
      return difference;
    };
    // Whether the floors of the squared differences from these values (a
    // back transform that calls the library only) already rule the
    // candidate out. A floor of the sum over some of the points is one of
    // the sum over all, so the vectors of points go in vectorOrder_.
    auto floorsRuleOut = [&](auto valuesAt) [[gnu::always_inline]] {
      Lanes floors = V::broadcast(0.0);
      for (int p = 0; p < vectors_; ++p) {
        const int vector = vectorAt(p);
        const int k = vector * N;
        Lanes estimate, slack;
        EstimateBackTransform<V, Set>(valuesAt(k), estimate, slack);
        const Lanes gap = V::abs(V::load(observed + k) - estimate) * V::broadcast(kDifferenceShare) - slack;
        const Lanes floor = V::select(V::above(gap, V::broadcast(0.0)), gap * scaleAt(k), V::broadcast(0.0));
        floors += pointsOnly(vector, floor * floor);
        if (test.rulesOut(V::total(floors) * kReorderedSumShare)) {
          ruledOutAt(p);
          return true;
        }
      }
      return false;
    };
    EntryScore entry;
    if constexpr (LeaveOneOut) {
      // 1 - h of the points k ... k + N - 1 after this column.
      const double* hatBeforeLevel = hatBefore(level);
      const Lanes inverseSquare = V::broadcast(s_.inverseSquare[level]);
      auto oneLessAt = [&](int k) [[gnu::always_inline]] {
        const Lanes a = V::load(column + k);
        return V::broadcast(1.0) - (V::load(hatBeforeLevel + k) + a * a * inverseSquare);
      };
      // The floors of the leave-one-out differences first, as of the
      // residuals without it; a point whose 1 - h is not resolved gives no
      // fit without it, so whatever its floor rules out could not be listed.
      if constexpr (!HasCheapBackTransform(Set))
        if (floorsRuleOut([&](int k) [[gnu::always_inline]] { return fromStandard(k, residualAt(k) / oneLessAt(k)); }))
          return;
      double press = 0.0;
      for (int k = 0; k < points_; k += N) {
        const Lanes oneLess = oneLessAt(k);
        const Lanes leftOutDifference = differences(k, fromStandard(k, residualAt(k) / oneLess));
        const Lanes leftOutSquares = leftOutDifference * leftOutDifference;
        for (int l = 0; l < N && k + l < points_; ++l) {
          if (!HasLeaveOneOut(oneLess[l])) return;
          press += leftOutSquares[l];
        }
        if (test.rulesOut(press)) return;
      }
      // Only a candidate whose leave-one-out sum may enter needs its residual sum.
      double ssRes = 0.0;
      for (int k = 0; k < points_; k += N) {
        const Lanes difference = differences(k, fitted(k));
        const Lanes squares = difference * difference;
        for (int l = 0; l < N && k + l < points_; ++l) ssRes += squares[l];
      }
      entry.ssRes = ssRes;
      entry.press = press;
    } else {
      if constexpr (!HasCheapBackTransform(Set))
        if (floorsRuleOut(fitted)) return;
      // The running sum in lanes, the vectors in vectorOrder_, rules the
      // candidate out: a sum in point order would hold each vector up by its
      // chain of additions. Only a candidate it leaves in gets the residual
      // sum in point order.
      double* squares = s_.squares();
      Lanes running = V::broadcast(0.0);
      for (int p = 0; p < vectors_; ++p) {
        const int vector = vectorAt(p);
        const int k = vector * N;
        const Lanes difference = differences(k, fitted(k));
        const Lanes square = pointsOnly(vector, difference * difference);
        V::store(squares + k, square);
        running += square;
        if (test.rulesOut(V::total(running) * kReorderedSumShare)) {
          ruledOutAt(p);
          return;
        }
      }
      double ssRes = 0.0;
      for (int i = 0; i < points_; ++i) ssRes += squares[i];
      entry.ssRes = ssRes;
    }
    if (!test.admits(entry.ssRes, entry.press, entry.merit)) return;
    candidacies_.push_back({ordinalOf_[last], entry, coefficients});
  }

  // The share of |observed - estimate| that the residual is surely at least:
  // the difference is rounded by at most u = 2^-53 of itself, and this takes
  // off 1e-12, thousands of times more.
  static constexpr double kDifferenceShare = 1.0 - 1e-12;
  // The share of a running sum of squares, in any order, that the sum of
  // the same squares in point order surely exceeds: each square and either
  // sum over n points round by less than (n + 2) u of it, 1.2e-11 at 100,000
  // points, and this takes off 1e-9.
  static constexpr double kReorderedSumShare = 1.0 - 1e-9;

  // The vector of points summed p-th (vectorOrder_).
  int vectorAt(int p) const { return p < orderedVectors_ ? vectorOrder_[p] : p; }

  // The vector summed p-th has ruled a candidate out: it moves one place
  // forward, so that the vectors that do so most often come first.
  void ruledOutAt(int p) {
    if (p > 0 && p < orderedVectors_) std::swap(vectorOrder_[p - 1], vectorOrder_[p]);
  }

  // The lanes of vector `vector` that hold points; zeros past the last point.
  [[gnu::always_inline]] typename V::Lanes pointsOnly(int vector, typename V::Lanes lanes) const {
    return vector + 1 < vectors_ ? lanes : V::select(lastPoints_, lanes, V::broadcast(0.0));
  }

  const BlockGroup& group_;
  const GroupWalkContext& context_;
  const ColumnBank& bank_;
  const SetScoring& scoring_;
  const GroupLayout layout_;
  PrefixScratch& s_;
  RefusalCount& count_;
  std::vector<GroupCandidacy>& candidacies_;
  const int points_;
  Size sizes_[kMaxSearchVariables + 1];
  int largest_ = 1;  // the most variables of a block
  // Whether the nodes keep their pairs of variables (PrefixScratch::pairState):
  // the kinds from the first two-variable one on all use two variables, the
  // blocks reach three variables (with two, each pair serves one leaf, and
  // keeping them costs more than it saves), and every node that needs them
  // has room.
  bool keepsPairs_ = false;
  // Node r's followers: the one-variable kinds that a later node or a last
  // group below it holds.
  unsigned followerKinds_[PrefixScratch::kNodeDepths + 1] = {};
  // Node r: the levels after its columns, and whether some column up to it
  // fails a guard or the rank test.
  int levelsAfter_[PrefixScratch::kNodeDepths + 1] = {};
  bool faulted_[PrefixScratch::kNodeDepths + 1] = {};
  bool resolved_[PrefixScratch::kNodeDepths + 1] = {};
  LastGroupTrie tries_[kMaxSearchVariables + 1];  // by number of variables
  const LastGroupTrie* trie_ = nullptr;           // the leaf's
  int trieLevel_ = 0;                             // the level of the last groups' first column
  TrieStates trieStates_[PrefixScratch::kTrieDepths];
  std::int64_t ordinalOf_[16] = {};  // by last group, the ordinal of its candidate here
  // The vectors of points in the order a candidate's squared differences
  // (or their floors) are summed until they rule it out: those that have
  // ruled candidates out most often first, as the candidates after them
  // tend to fail at the same points; past the first kOrderedVectors, in
  // point order.
  static constexpr int kOrderedVectors = 64;
  const int vectors_;  // those that hold the points
  const int orderedVectors_;
  const typename V::Mask lastPoints_;  // the lanes of the last vector that hold points
  std::uint8_t vectorOrder_[kOrderedVectors];
};

// The walks are copies of their own: the tree's loop makes the compiler
// keep more at hand, which slows the walks of one size.
struct WalkOneSize {
  template <class V>
  static void run(const BlockGroup& group, const GroupWalkContext& context, PrefixScratch& scratch, RefusalCount& count,
                  std::vector<GroupCandidacy>& candidacies) {
    GroupWalk<V>(group, context, scratch, count, candidacies).runOneSize();
  }
};

struct WalkLastKinds {
  template <class V>
  static void run(const BlockGroup& group, const GroupWalkContext& context, PrefixScratch& scratch, RefusalCount& count,
                  std::vector<GroupCandidacy>& candidacies) {
    GroupWalk<V>(group, context, scratch, count, candidacies).runLastKinds();
  }
};

struct WalkTree {
  template <class V>
  static void run(const BlockGroup& group, const GroupWalkContext& context, PrefixScratch& scratch, RefusalCount& count,
                  std::vector<GroupCandidacy>& candidacies) {
    GroupWalk<V>(group, context, scratch, count, candidacies).runTree();
  }
};

// The followers a worker keeps at most, in bytes: below this every node
// keeps its own (sheets up to some 10,000 points); longer sheets keep them
// for the nodes nearest the root only.
constexpr double kFollowerBytes = 64.0 * 1024 * 1024;

}  // namespace

PrefixScratch::PrefixScratch(int points, bool keepsHats, const WalkExtent& extent)
    : stride_(PaddedPoints(points)),
      followerSlots_(16 * std::min(extent.nodeKinds, 4)),
      keptNodeDepths_(followerSlots_ == 0
                          ? 0
                          : static_cast<int>(std::min<double>(
                                std::min(kNodeDepths, extent.nodeDepths),
                                kFollowerBytes / (static_cast<double>(followerSlots_) * stride_ * sizeof(double))))),
      keptPairDepths_(static_cast<int>(std::min<double>(
          extent.pairDepths, kFollowerBytes / (static_cast<double>(kPairSlots) * stride_ * sizeof(double))))) {
  const auto levels = static_cast<size_t>(std::clamp(extent.termColumns, 1, kMaxCandidateColumns));
  const auto stride = static_cast<size_t>(stride_);
  levelColumns_.assign(levels * stride, 0.0);
  residuals_.assign(levels * stride, 0.0);
  if (keepsHats) hats_.assign(levels * stride, 0.0);
  followers_.assign(static_cast<size_t>(keptNodeDepths_) * static_cast<size_t>(followerSlots_) * stride, 0.0);
  pairFollowers_.assign(static_cast<size_t>(keptPairDepths_) * kPairSlots * stride, 0.0);
  pairStates_.assign(static_cast<size_t>(keptPairDepths_) * kPairSlots, ColumnState{});
  trieStates_.assign(static_cast<size_t>(kTrieStates) * stride, 0.0);
  squares_.assign(stride, 0.0);
}

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
  const int first = group.segments.front().block.m, last = group.segments.back().block.m;
  if (first == 1 && last == 1) RunKernel<WalkLastKinds>(width, group, context, scratch, count, candidacies);
  else if (first == last) RunKernel<WalkOneSize>(width, group, context, scratch, count, candidacies);
  else RunKernel<WalkTree>(width, group, context, scratch, count, candidacies);
  std::sort(candidacies.begin() + static_cast<std::ptrdiff_t>(before), candidacies.end(),
            [](const GroupCandidacy& a, const GroupCandidacy& b) { return a.ordinal < b.ordinal; });
}

}  // namespace rv
