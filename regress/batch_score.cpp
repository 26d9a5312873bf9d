#include "regress/batch_score.h"

#include <algorithm>
#include <limits>

#include "regress/kernel_dispatch.h"
#include "regress/lane_back_transform.h"
#include "regress/y_form.h"

namespace rv {

namespace {

// A batch hands its candidates to the one-candidate path when no more than
// this share of its lanes (at least one) is alive at a point block: the
// batch works out a point block's fitted values for every lane it holds
// alive, the one-candidate path only for its own.
constexpr int HandOverAt(int lanes) { return lanes / 4 > 0 ? lanes / 4 : 1; }

// The share of |observed - estimate| that the residual is surely at least:
// the difference is rounded by at most u = 2^-53 of itself, and this takes
// off 1e-12, thousands of times more.
constexpr double kDifferenceShare = 1.0 - 1e-12;

// The share of a running sum of floors that the exact sum of the floors
// surely exceeds: each floor's square and the sum over n points round by
// less than (n + 2) u of it, 1.2e-14 for the sheet's first 99 rows and
// 1.2e-11 at 100,000 points, and this takes off 1e-9.
constexpr double kFloorSumShare = 1.0 - 1e-9;

template <class V>
struct LaneState {
  static constexpr int N = V::kLanes;
  const int m;
  BatchScratch& s;
  const CandidateBatch& batch;
  int lane[N];  // the candidate of each lane: a lane beyond the batch repeats the first, computing what it does

  LaneState(const CandidateBatch& candidates, BatchScratch& scratch)
      : m(candidates.columns), s(scratch), batch(candidates) {
    for (int l = 0; l < N; ++l) lane[l] = l < batch.size ? l : 0;
  }

  int id(int l, int j) const { return batch.ids[j][lane[l]]; }

  // Column m is the right-hand side.
  double* normal(int r, int c) const { return s.normal + (r * (m + 1) + c) * N; }
  double* coefficients(int j) const { return s.coefficients + j * N; }
  double* squares(int position) const { return s.squares.data() + position * N; }
};

// Columns of a row that the elimination keeps in registers at a time.
constexpr int kRowChunk = 8;

// Rows r and r + 1, columns c0 to c0 + W - 1, brought up to date by every
// pivot row above them, in pivot order, with the multipliers of the pivots
// among those columns: the same operations on each entry, in the same order,
// as the elimination that goes pivot by pivot over all rows. The two rows
// go together because a row's multipliers form a chain, each waiting for
// the division before it; two chains keep the processor busy. A multiplier
// is kept where the entry it came from was, which nothing reads again.
// Without a second row (Pair false) only row r is done.
template <class V, int W, bool Pair>
[[gnu::always_inline]] inline void EliminateChunk(const LaneState<V>& x, int r, int c0) {
  constexpr int N = V::kLanes;
  using Values = typename V::Lanes;
  // Every loop over the chunk is unrolled, so that its entries stay in registers.
  double* rowA = x.normal(r, 0);
  double* rowB = x.normal(Pair ? r + 1 : r, 0);
  Values a[W], b[W];
#pragma GCC unroll 8
  for (int u = 0; u < W; ++u) {
    a[u] = V::load(rowA + (c0 + u) * N);
    if constexpr (Pair) b[u] = V::load(rowB + (c0 + u) * N);
  }
  for (int k = 0; k < std::min(r, c0); ++k) {
    const double* pivotRow = x.normal(k, c0);
    const Values fA = V::load(rowA + k * N);
    const Values fB = V::load(rowB + k * N);
#pragma GCC unroll 8
    for (int u = 0; u < W; ++u) {
      const Values pivot = V::load(pivotRow + u * N);
      a[u] = a[u] - fA * pivot;
      if constexpr (Pair) b[u] = b[u] - fB * pivot;
    }
  }
#pragma GCC unroll 8
  for (int t = 0; t < W; ++t) {
    if (c0 + t >= r) break;
    const double* pivotRow = x.normal(c0 + t, c0);
    const Values diagonal = V::load(pivotRow + t * N);
    const Values fA = a[t] / diagonal;
    a[t] = fA;
    Values fB;
    if constexpr (Pair) {
      fB = b[t] / diagonal;
      b[t] = fB;
    }
#pragma GCC unroll 8
    for (int u = t + 1; u < W; ++u) {
      const Values pivot = V::load(pivotRow + u * N);
      a[u] = a[u] - fA * pivot;
      if constexpr (Pair) b[u] = b[u] - fB * pivot;
    }
  }
  if constexpr (Pair) {
    // Row r, now done in these columns, is the last pivot row of row r + 1.
    if (r < c0) {
      const Values f = V::load(rowB + r * N);
#pragma GCC unroll 8
      for (int u = 0; u < W; ++u) b[u] = b[u] - f * a[u];
    } else if (r < c0 + W) {
#pragma GCC unroll 8
      for (int t = 0; t < W; ++t) {
        if (c0 + t != r) continue;
        const Values f = b[t] / a[t];
        b[t] = f;
#pragma GCC unroll 8
        for (int u = t + 1; u < W; ++u) b[u] = b[u] - f * a[u];
      }
    }
  }
#pragma GCC unroll 8
  for (int u = 0; u < W; ++u) {
    V::store(rowA + (c0 + u) * N, a[u]);
    if constexpr (Pair) V::store(rowB + (c0 + u) * N, b[u]);
  }
}

template <class V, bool Pair>
[[gnu::always_inline]] inline void EliminateRows(const LaneState<V>& x, int r) {
  for (int c0 = 0; c0 <= x.m; c0 += kRowChunk) {
    switch (std::min(kRowChunk, x.m + 1 - c0)) {
      case 1: EliminateChunk<V, 1, Pair>(x, r, c0); break;
      case 2: EliminateChunk<V, 2, Pair>(x, r, c0); break;
      case 3: EliminateChunk<V, 3, Pair>(x, r, c0); break;
      case 4: EliminateChunk<V, 4, Pair>(x, r, c0); break;
      case 5: EliminateChunk<V, 5, Pair>(x, r, c0); break;
      case 6: EliminateChunk<V, 6, Pair>(x, r, c0); break;
      case 7: EliminateChunk<V, 7, Pair>(x, r, c0); break;
      default: EliminateChunk<V, kRowChunk, Pair>(x, r, c0); break;
    }
  }
}

// The normal equations of every lane gathered from the bank, then the
// elimination without pivoting and the back substitution of the
// one-candidate path, one candidate per lane. The elimination runs row by
// row, each row a few columns at a time in registers; the right-hand side
// is one more column, which takes the very operations the one-candidate
// path gives it.
template <class V>
[[gnu::always_inline]] inline void SolveBatch(const ColumnBank& bank, const SetScoring& scoring,
                                              const LaneState<V>& x) {
  constexpr int N = V::kLanes;
  using Values = typename V::Lanes;
  const int m = x.m;
  const int p = m - 1;
  // The sums are symmetric to the bit, so each is fetched once. (Loads put
  // together in registers beat the processor's gather here.)
  for (int r = 0; r < m; ++r) {
    const double* sums[N];  // each lane's row of the bank's sums for column r
    for (int l = 0; l < N; ++l) sums[l] = bank.crossSums() + x.id(l, r) * bank.columnCount();
    for (int c = r; c < m; ++c) {
      const Values entry = V::gather([&](int l) [[gnu::always_inline]] { return sums[l][x.id(l, c)]; });
      V::store(x.normal(r, c), entry);
      V::store(x.normal(c, r), entry);
    }
    V::store(x.normal(r, m), V::gather([&](int l) [[gnu::always_inline]] {
               return scoring.rightHandSide[static_cast<size_t>(x.id(l, r))];
             }));
  }
  for (int r = 1; r <= p; r += 2) {
    if (r < p) EliminateRows<V, true>(x, r);
    else EliminateRows<V, false>(x, r);
  }
  // Back substitution row by row: each right-hand side takes the products
  // of the coefficients after it, last first, as it does when every solved
  // coefficient is taken out of all the rows above at once.
  for (int k = p; k >= 0; --k) {
    const double* row = x.normal(k, 0);
    Values rhs = V::load(row + m * N);
    for (int j = p; j > k; --j) rhs = rhs - V::load(x.coefficients(j)) * V::load(row + j * N);
    V::store(x.coefficients(k), rhs / V::load(row + k * N));
  }
}

// Each live lane goes on alone from `point`, with its coefficients, its
// squared residuals so far and its running sum.
template <class V>
[[gnu::always_inline]] inline void HandOver(const ColumnBank& bank, const SetScoring& scoring, const EntryTest& test,
                                            VectorWidth width, const LaneState<V>& x, typename V::Mask alive,
                                            typename V::Lanes partial, int point, BatchVerdict& verdict) {
  constexpr int N = V::kLanes;
  ScoreScratch& single = x.s.single;
  for (int l = 0; l < N; ++l) {
    if (!alive[l]) continue;
    int ids[kMaxCandidateColumns];
    for (int j = 0; j < x.m; ++j) {
      ids[j] = x.id(l, j);
      single.coefficients[j] = x.coefficients(j)[l];
    }
    for (int k = 0; k < point; ++k) single.squares[k] = x.squares(k)[l];
    verdict.above[l] = ScoreRestAboveThreshold(bank, scoring, ids, x.m, test, width, ResidualStart{point, partial[l]},
                                               single, verdict.score[l]);
    ++verdict.handedOver;
  }
}

// The residual pass of every lane in scoring order, a point block at a
// time: first each live lane's fitted values over the block, summed in
// column order from 0.0 as the one-candidate path sums them, then point by
// point the back transforms, squared residuals and running sums of all
// lanes at once.
//
// The sets whose back transform calls the library (exp, log, pow) take no
// library value in the batch. Each lane sums instead a floor of its squared
// residuals, from an estimate of the back transform and the most the
// library's value can differ from it; a floor that rules a lane out rules
// out the true sum, which is at least as large. The lanes that no floor
// rules out go to the one-candidate path, which works out their residuals
// from the first point with the library's values.
template <class V, EquationSet Set>
[[gnu::always_inline]] inline void ScoreLanes(const ColumnBank& bank, const SetScoring& scoring, const EntryTest& test,
                                              VectorWidth width, int size, const LaneState<V>& x,
                                              BatchVerdict& verdict) {
  constexpr int N = V::kLanes;
  using Values = typename V::Lanes;
  using Mask = typename V::Mask;
  constexpr int kVectors = kPointBlock / N;
  constexpr bool kExact = HasCheapBackTransform(Set);
  const int m = x.m;
  const int n = bank.pointCount();
  const double* observed = scoring.observed.data();
  Mask alive;
  for (int l = 0; l < N; ++l) alive[l] = l < size ? -1 : 0;
  const Values zero = V::broadcast(0.0);
  const Values margin = V::broadcast(test.reorderMargin);
  const Values limit = V::broadcast(test.residualLimit);
  const Values largest = V::broadcast(std::numeric_limits<double>::max());
  auto rulesOut = [&](Values partial) [[gnu::always_inline]] {
    return V::atLeast(partial * margin, limit) & V::atMost(partial, largest);
  };
  // The running sum of the squared residuals, or of their floors.
  Values partial = zero;
  const Values floorShare = V::broadcast(kFloorSumShare);
  // Each lane's fitted values over the block, N points to a vector. A lane
  // that left keeps those of an earlier block, which nothing reads.
  Values fitted[N][kVectors];
  for (int start = 0; start < n; start += kPointBlock) {
    // (Lanes that sum floors stay: their screening is cheaper than the
    // library.)
    if (kExact && start > 0 && V::count(alive) <= HandOverAt(N)) {
      HandOver<V>(bank, scoring, test, width, x, alive, partial, start, verdict);
      return;
    }
    for (int l = 0; l < N; ++l) {
      if (start > 0 && !alive[l]) continue;
      for (int b = 0; b < kVectors; ++b) fitted[l][b] = zero;
      for (int j = 0; j < m; ++j) {
        const double* column = bank.column(x.id(l, j)) + start;
        const Values c = V::broadcast(x.coefficients(j)[l]);
        for (int b = 0; b < kVectors; ++b) fitted[l][b] += V::load(column + b * N) * c;
      }
    }
    for (int b = 0; b < kVectors && start + b * N < n; ++b) {
      Values byPoint[N];  // byPoint[i]: point start + b N + i of every lane
      for (int l = 0; l < N; ++l) byPoint[l] = fitted[l][b];
      V::transpose(byPoint);
      for (int i = 0; i < N && start + b * N + i < n; ++i) {
        const int k = start + b * N + i;
        if constexpr (kExact) {
          const Values d = V::broadcast(observed[k]) - CheapBackTransform<V, Set>(byPoint[i]);
          const Values square = d * d;
          V::store(x.squares(k), square);
          partial += square;
        } else {
          Values estimate, slack;
          EstimateBackTransform<V, Set>(byPoint[i], estimate, slack);
          // The residual is at least this far from 0 (the rounding of the
          // difference is taken off too); a gap that is not positive, or not
          // a number, adds nothing.
          const Values gap = V::abs(V::broadcast(observed[k]) - estimate) * V::broadcast(kDifferenceShare) - slack;
          partial += V::select(V::above(gap, zero), gap * gap, zero);
        }
      }
    }
    // Once a block is enough: a running sum only grows, so the sum at the
    // block's end rules a lane out whenever one inside the block did. (A sum
    // that became infinite or undefined on the way rules out nothing, but
    // then the whole residual sum fails the test all the same.)
    alive &= ~rulesOut(kExact ? partial : partial * floorShare);
    if (V::none(alive)) return;
  }
  if constexpr (!kExact) {
    HandOver<V>(bank, scoring, test, width, x, alive, zero, 0, verdict);
    return;
  }
  Values ssRes = zero;
  for (const int k : bank.scoringPosition()) ssRes += V::load(x.squares(k));
  for (int l = 0; l < N; ++l) {
    if (!alive[l]) continue;
    verdict.score[l].ssRes = ssRes[l];
    verdict.above[l] = test.admits(ssRes[l], verdict.score[l].merit);
  }
}

struct SolveAndScoreBatch {
  template <class V>
  [[gnu::always_inline]] static void run(const ColumnBank& bank, const SetScoring& scoring, const CandidateBatch& batch,
                                         const EntryTest& test, VectorWidth width, BatchScratch& scratch,
                                         BatchVerdict& verdict) {
    const LaneState<V> x(batch, scratch);
    SolveBatch<V>(bank, scoring, x);
    const int size = batch.size;
    switch (scoring.set) {
      case EquationSet::Y: return ScoreLanes<V, EquationSet::Y>(bank, scoring, test, width, size, x, verdict);
      case EquationSet::Reciprocal:
        return ScoreLanes<V, EquationSet::Reciprocal>(bank, scoring, test, width, size, x, verdict);
      case EquationSet::Square: return ScoreLanes<V, EquationSet::Square>(bank, scoring, test, width, size, x, verdict);
      case EquationSet::Cube: return ScoreLanes<V, EquationSet::Cube>(bank, scoring, test, width, size, x, verdict);
      case EquationSet::Log: return ScoreLanes<V, EquationSet::Log>(bank, scoring, test, width, size, x, verdict);
      case EquationSet::Exp: return ScoreLanes<V, EquationSet::Exp>(bank, scoring, test, width, size, x, verdict);
    }
  }
};

// The lanes of a copy of the kernels.
struct LaneCount {
  template <class V>
  static int run() {
    return V::kLanes;
  }
};

}  // namespace

int BatchLanes(VectorWidth width) { return RunKernel<LaneCount>(width); }

void ScoreBatchAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const CandidateBatch& batch,
                              const EntryTest& test, VectorWidth width, BatchScratch& scratch, BatchVerdict& verdict) {
  RV_EXPECT(batch.columns >= 1 && batch.columns <= kMaxCandidateColumns);
  RV_EXPECT(batch.size >= 1 && batch.size <= BatchLanes(width));
  RV_EXPECT(bank.pointCount() <= scratch.pointCapacity());
  verdict.handedOver = 0;
  for (int l = 0; l < kMaxBatchLanes; ++l) verdict.above[l] = false;
  RunKernel<SolveAndScoreBatch>(width, bank, scoring, batch, test, width, scratch, verdict);
}

}  // namespace rv
