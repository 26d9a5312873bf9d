#include "regress/exact_score.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "regress/kernel_dispatch.h"
#include "regress/lane_back_transform.h"
#include "regress/y_form.h"
#include "sheet/expect.h"

namespace rv {

namespace {

// Elimination without pivoting and back substitution, exactly the plain
// fit's operations. A row update also touches the columns left of the pivot
// and the padding; those entries are never read again.
template <class V>
[[gnu::always_inline]] inline void Solve(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                                         ScoreScratch& s) {
  constexpr int N = V::kLanes;
  const int p = m - 1;
  const int width = (m + N - 1) / N * N;
  // The sums are symmetric to the bit, so each is fetched once.
  for (int r = 0; r < m; ++r) {
    double* row = s.normal[r];
    for (int c = r; c < m; ++c) row[c] = s.normal[c][r] = bank.cross(ids[r], ids[c]);
    for (int c = m; c < width; ++c) row[c] = 0.0;
    s.rightHandSide[r] = scoring.rightHandSide[static_cast<size_t>(ids[r])];
  }
  for (int k = 0; k < p; ++k) {
    const double* pivotRow = s.normal[k];
    const int from = k / N * N;
    for (int r = k + 1; r <= p; ++r) {
      double* row = s.normal[r];
      const double f = row[k] / pivotRow[k];
      const typename V::Lanes factor = V::broadcast(f);
      for (int c = from; c < width; c += N) V::store(row + c, V::load(row + c) - factor * V::load(pivotRow + c));
      s.rightHandSide[r] = s.rightHandSide[r] - f * s.rightHandSide[k];
    }
  }
  for (int k = p; k >= 0; --k) {
    s.coefficients[k] = s.rightHandSide[k] / s.normal[k][k];
    for (int r = 0; r < k; ++r) s.rightHandSide[r] = s.rightHandSide[r] - s.coefficients[k] * s.normal[r][k];
  }
}

class ResidualSum {
 public:
  ResidualSum(const EntryTest& test, double partial) : test_(test), partial_(partial) {}
  // Adds one squared residual; true once the candidate is ruled out.
  [[gnu::always_inline]] bool addRulesOut(double square) {
    partial_ += square;
    return test_.rulesOut(partial_);
  }

 private:
  const EntryTest& test_;
  double partial_;
};

template <class V, EquationSet Set>
[[gnu::always_inline]] inline bool Score(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                                         const EntryTest& test, ResidualStart from, ScoreScratch& s,
                                         EntryScore& score) {
  constexpr int N = V::kLanes;
  constexpr int kVectors = kPointBlock / N;
  const int n = bank.pointCount();
  const double* observed = scoring.observed.data();
  double* squares = s.squares.data();
  ResidualSum sum(test, from.partial);
  for (int start = from.point; start < n; start += kPointBlock) {
    typename V::Lanes fitted[kVectors];
    for (int b = 0; b < kVectors; ++b) fitted[b] = V::broadcast(0.0);
    for (int j = 0; j < m; ++j) {
      const double* column = bank.column(ids[j]) + start;
      const typename V::Lanes c = V::broadcast(s.coefficients[j]);
      for (int b = 0; b < kVectors; ++b) fitted[b] += V::load(column + b * N) * c;
    }
    const int end = std::min(n, start + kPointBlock);
    if constexpr (HasCheapBackTransform(Set)) {
      for (int b = 0; b < kVectors; ++b) {
        const typename V::Lanes d = V::load(observed + start + b * N) - CheapBackTransform<V, Set>(fitted[b]);
        V::store(squares + start + b * N, d * d);
      }
      for (int i = start; i < end; ++i)
        if (sum.addRulesOut(squares[i])) return false;
    } else {
      // Costly transforms: one point at a time, so none is computed past the
      // point that rules the candidate out.
      for (int i = start; i < end; ++i) {
        const double d = observed[i] - BackTransform(Set, fitted[(i - start) / N][(i - start) % N]);
        squares[i] = d * d;
        if (sum.addRulesOut(squares[i])) return false;
      }
    }
  }
  double ssRes = 0.0;
  for (const int k : bank.scoringPosition()) ssRes += squares[k];
  score.ssRes = ssRes;
  return test.admits(ssRes, score.merit);
}

// Solves first unless a batch has solved the candidate already.
struct SolveAndScore {
  template <class V>
  [[gnu::always_inline]] static bool run(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                                         const EntryTest& test, bool solve, ResidualStart from, ScoreScratch& s,
                                         EntryScore& score) {
    if (solve) Solve<V>(bank, scoring, ids, m, s);
    switch (scoring.set) {
      case EquationSet::Y: return Score<V, EquationSet::Y>(bank, scoring, ids, m, test, from, s, score);
      case EquationSet::Reciprocal:
        return Score<V, EquationSet::Reciprocal>(bank, scoring, ids, m, test, from, s, score);
      case EquationSet::Square: return Score<V, EquationSet::Square>(bank, scoring, ids, m, test, from, s, score);
      case EquationSet::Cube: return Score<V, EquationSet::Cube>(bank, scoring, ids, m, test, from, s, score);
      case EquationSet::Log: return Score<V, EquationSet::Log>(bank, scoring, ids, m, test, from, s, score);
      case EquationSet::Exp: return Score<V, EquationSet::Exp>(bank, scoring, ids, m, test, from, s, score);
    }
    return false;
  }
};

// The smallest residual sum at which R squared no longer exceeds the
// threshold, found on the bits of the sum (non-negative doubles order like
// their bit patterns), so that it is exact; +infinity when SST is not
// positive (no early stop).
double RSquaredResidualLimit(double threshold, double sst) {
  if (!(sst > 0.0)) return std::numeric_limits<double>::infinity();
  auto rulesOut = [&](double ssRes) { return !(ResidualScore{ssRes, sst}.rSquared() > threshold); };
  if (rulesOut(0.0)) return 0.0;
  std::uint64_t low = 0;
  std::uint64_t high = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity());
  while (high - low > 1) {
    const std::uint64_t middle = low + (high - low) / 2;
    if (rulesOut(std::bit_cast<double>(middle))) high = middle;
    else low = middle;
  }
  return std::bit_cast<double>(high);
}

// The other criteria solved for the residual sum at which their merit
// reaches the bound, raised by a relative 1e-8: the rounding of the
// criterion (a few units in the last place of values below 1e5) moves it by
// far less, so every larger sum is ruled out by the exact test too. 0 when
// the criterion is undefined for this many coefficients.
double CriterionResidualLimit(RankingCriterion criterion, double bound, double sst, int points, int coefficients) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (bound == -kInfinity) return kInfinity;
  const double n = points;
  const double k = coefficients;
  double limit = kInfinity;
  switch (criterion) {
    case RankingCriterion::RSquared: return RSquaredResidualLimit(bound, sst);
    case RankingCriterion::AdjustedRSquared:
      // 1 - (SSE / (N - k)) / (SST / (N - 1)) > bound
      if (!(n - k >= 1.0) || !(sst > 0.0)) return 0.0;
      limit = (1.0 - bound) * (sst / (n - 1.0)) * (n - k);
      break;
    case RankingCriterion::Aicc:
      // N ln(SSE / N) + penalty < -bound
      if (!(n - k - 1.0 >= 1.0)) return 0.0;
      limit = n * std::exp((-bound - (2.0 * k + 2.0 * k * (k + 1.0) / (n - k - 1.0))) / n);
      break;
    case RankingCriterion::Bic:
      if (!(n - k >= 1.0)) return 0.0;
      limit = n * std::exp((-bound - k * std::log(n)) / n);
      break;
  }
  if (!(limit > 0.0)) return 0.0;
  // A limit lost below the smallest doubles would wrongly rule out an exact
  // fit's neighbours; no criterion gets there on real data.
  return std::max(limit * (1.0 + 1e-8), 1e-290);
}

}  // namespace

EntryTest::EntryTest(RankingCriterion rankingCriterion, double meritBound, double totalSquares, int pointCount,
                     int coefficientCount)
    : criterion(rankingCriterion),
      bound(meritBound),
      sst(totalSquares),
      points(pointCount),
      coefficients(coefficientCount),
      reorderMargin(ReorderMargin(pointCount)) {
  if (criterion == RankingCriterion::RSquared) {
    residualLimit = RSquaredResidualLimit(std::max(bound, 0.0), sst);
    return;
  }
  // R squared above 0 needs SSE / SST below 1, so SSE below SST.
  const double positive = sst > 0.0 ? sst : std::numeric_limits<double>::infinity();
  residualLimit = std::min(positive, CriterionResidualLimit(criterion, bound, sst, points, coefficients));
}

bool ScoreAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                         const EntryTest& test, VectorWidth width, ScoreScratch& s, EntryScore& score) {
  RV_EXPECT(m >= 1 && m <= kMaxCandidateColumns);
  RV_EXPECT(bank.pointCount() <= s.pointCapacity());
  return RunKernel<SolveAndScore>(width, bank, scoring, ids, m, test, true, ResidualStart{}, s, score);
}

bool ScoreRestAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                             const EntryTest& test, VectorWidth width, ResidualStart from, ScoreScratch& s,
                             EntryScore& score) {
  RV_EXPECT(m >= 1 && m <= kMaxCandidateColumns);
  RV_EXPECT(from.point >= 0 && from.point <= bank.pointCount());
  RV_EXPECT(bank.pointCount() <= s.pointCapacity());
  return RunKernel<SolveAndScore>(width, bank, scoring, ids, m, test, false, from, s, score);
}

}  // namespace rv
