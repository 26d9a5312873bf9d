#include "regress/exact_score.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "regress/lane_back_transform.h"
#include "regress/vector_lanes.h"
#include "regress/y_form.h"

namespace rv {

namespace {

// Elimination without pivoting and back substitution, exactly the plain
// fit's operations. A row update also touches the columns left of the pivot
// and the padding; those entries are never read again.
template <int N>
[[gnu::always_inline]] inline void Solve(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                                         ScoreScratch& s) {
  using V = Simd<N>;
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

template <int N, int Set>
[[gnu::always_inline]] inline bool Score(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                                         const EntryTest& test, ResidualStart from, ScoreScratch& s,
                                         double& rSquared) {
  using V = Simd<N>;
  constexpr int kVectors = kPointBlock / N;
  const int n = bank.pointCount();
  const double* observed = scoring.observed.data();
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
        const typename V::Lanes d = V::load(observed + start + b * N) - CheapBackTransform<N, Set>(fitted[b]);
        V::store(s.squares + start + b * N, d * d);
      }
      for (int i = start; i < end; ++i)
        if (sum.addRulesOut(s.squares[i])) return false;
    } else {
      // Costly transforms: one point at a time, so none is computed past the
      // point that rules the candidate out.
      for (int i = start; i < end; ++i) {
        const double d = observed[i] - BackTransform(Set, fitted[(i - start) / N][(i - start) % N]);
        s.squares[i] = d * d;
        if (sum.addRulesOut(s.squares[i])) return false;
      }
    }
  }
  double ssRes = 0.0;
  for (const int k : bank.scoringPosition()) ssRes += s.squares[k];
  rSquared = 1.0 - ssRes / scoring.denominator;
  return rSquared > test.threshold;
}

// Solves first unless a batch has solved the candidate already.
template <int N>
[[gnu::always_inline]] inline bool SolveAndScore(const ColumnBank& bank, const SetScoring& scoring, const int* ids,
                                                 int m, const EntryTest& test, bool solve, ResidualStart from,
                                                 ScoreScratch& s, double& rSquared) {
  if (solve) Solve<N>(bank, scoring, ids, m, s);
  switch (scoring.set) {
    case kSetY: return Score<N, kSetY>(bank, scoring, ids, m, test, from, s, rSquared);
    case kSetReciprocal: return Score<N, kSetReciprocal>(bank, scoring, ids, m, test, from, s, rSquared);
    case kSetSquare: return Score<N, kSetSquare>(bank, scoring, ids, m, test, from, s, rSquared);
    case kSetCube: return Score<N, kSetCube>(bank, scoring, ids, m, test, from, s, rSquared);
    case kSetLog: return Score<N, kSetLog>(bank, scoring, ids, m, test, from, s, rSquared);
    case kSetExp: return Score<N, kSetExp>(bank, scoring, ids, m, test, from, s, rSquared);
  }
  return false;
}

// One copy of the kernel per instruction set; the processor decides which runs.
__attribute__((target("avx512f"))) bool SolveAndScoreAvx512(const ColumnBank& bank, const SetScoring& scoring,
                                                           const int* ids, int m, const EntryTest& test, bool solve,
                                                           ResidualStart from, ScoreScratch& s, double& rSquared) {
  return SolveAndScore<8>(bank, scoring, ids, m, test, solve, from, s, rSquared);
}

__attribute__((target("avx2"))) bool SolveAndScoreAvx2(const ColumnBank& bank, const SetScoring& scoring,
                                                       const int* ids, int m, const EntryTest& test, bool solve,
                                                       ResidualStart from, ScoreScratch& s, double& rSquared) {
  return SolveAndScore<4>(bank, scoring, ids, m, test, solve, from, s, rSquared);
}

bool SolveAndScoreSse2(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                       const EntryTest& test, bool solve, ResidualStart from, ScoreScratch& s, double& rSquared) {
  return SolveAndScore<2>(bank, scoring, ids, m, test, solve, from, s, rSquared);
}

bool Dispatch(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m, const EntryTest& test,
              VectorWidth width, bool solve, ResidualStart from, ScoreScratch& s, double& rSquared) {
  switch (width) {
    case VectorWidth::Avx512: return SolveAndScoreAvx512(bank, scoring, ids, m, test, solve, from, s, rSquared);
    case VectorWidth::Avx2: return SolveAndScoreAvx2(bank, scoring, ids, m, test, solve, from, s, rSquared);
    case VectorWidth::Sse2: break;
  }
  return SolveAndScoreSse2(bank, scoring, ids, m, test, solve, from, s, rSquared);
}

}  // namespace

VectorWidth WidestVectors() {
  if (__builtin_cpu_supports("avx512f")) return VectorWidth::Avx512;
  if (__builtin_cpu_supports("avx2")) return VectorWidth::Avx2;
  return VectorWidth::Sse2;
}

EntryTest::EntryTest(double entryThreshold, double scoreDenominator)
    : threshold(entryThreshold), denominator(scoreDenominator), residualLimit(std::numeric_limits<double>::infinity()) {
  if (!(denominator > 0.0)) return;
  auto rulesOut = [&](double ssRes) { return !(1.0 - ssRes / denominator > entryThreshold); };
  if (rulesOut(0.0)) {
    residualLimit = 0.0;
    return;
  }
  // Non-negative doubles order like their bit patterns: bisect on the bits for
  // the smallest residual sum that rules a candidate out.
  std::uint64_t low = 0;
  std::uint64_t high = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity());
  while (high - low > 1) {
    const std::uint64_t middle = low + (high - low) / 2;
    if (rulesOut(std::bit_cast<double>(middle)))
      high = middle;
    else
      low = middle;
  }
  residualLimit = std::bit_cast<double>(high);
}

bool ScoreAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                         const EntryTest& test, VectorWidth width, ScoreScratch& s, double& rSquared) {
  return Dispatch(bank, scoring, ids, m, test, width, true, ResidualStart{}, s, rSquared);
}

bool ScoreRestAboveThreshold(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m,
                             const EntryTest& test, VectorWidth width, ResidualStart from, ScoreScratch& s,
                             double& rSquared) {
  return Dispatch(bank, scoring, ids, m, test, width, false, from, s, rSquared);
}

}  // namespace rv
