#include "regress/exact_score.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "regress/y_form.h"

namespace rv {

namespace {

// Two doubles handled by one SSE2 instruction. Each lane is an ordinary IEEE
// operation, so results match the scalar code bit for bit; -ffp-contract=off
// keeps products and sums apart.
typedef double Lanes __attribute__((vector_size(16)));
constexpr int kLanes = 2;

Lanes Broadcast(double value) { return Lanes{value, value}; }
constexpr int kPointBlock = 8;  // points whose fitted values are computed together

Lanes Load(const double* from) {
  Lanes lanes;
  std::memcpy(&lanes, from, sizeof lanes);
  return lanes;
}

void Store(double* to, Lanes lanes) { std::memcpy(to, &lanes, sizeof lanes); }

// Elimination without pivoting and back substitution, exactly the plain
// fit's operations. A row update also touches the columns left of the pivot
// and the padding; those entries are never read again.
void Solve(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m, ScoreScratch& s) {
  const int p = m - 1;
  const int width = (m + kLanes - 1) / kLanes * kLanes;
  // The sums are symmetric to the bit, so each is fetched once.
  for (int r = 0; r < m; ++r) {
    double* row = s.normal[r];
    for (int c = r; c < m; ++c) row[c] = s.normal[c][r] = bank.cross(ids[r], ids[c]);
    for (int c = m; c < width; ++c) row[c] = 0.0;
    s.rightHandSide[r] = scoring.rightHandSide[static_cast<size_t>(ids[r])];
  }
  for (int k = 0; k < p; ++k) {
    const double* pivotRow = s.normal[k];
    const int from = k / kLanes * kLanes;
    for (int r = k + 1; r <= p; ++r) {
      double* row = s.normal[r];
      const double f = row[k] / pivotRow[k];
      const Lanes factor = Broadcast(f);
      for (int c = from; c < width; c += kLanes) Store(row + c, Load(row + c) - factor * Load(pivotRow + c));
      s.rightHandSide[r] = s.rightHandSide[r] - f * s.rightHandSide[k];
    }
  }
  for (int k = p; k >= 0; --k) {
    s.coefficients[k] = s.rightHandSide[k] / s.normal[k][k];
    for (int r = 0; r < k; ++r) s.rightHandSide[r] = s.rightHandSide[r] - s.coefficients[k] * s.normal[r][k];
  }
}

// The back transforms of the six sets, lane by lane, as in BackTransform;
// lanes past the last point are left alone.
// The back transforms of "Y =" and "1/Y =" lane by lane, as BackTransform
// does them.
template <int Set>
Lanes BackTransformLanes(Lanes t) {
  if constexpr (Set == kSetY) {
    return t;
  } else {
    const Lanes magnitude = t < Broadcast(0.0) ? -t : t;
    return magnitude > Broadcast(1e-20) ? Broadcast(1.0) / t : t;
  }
}

// A sum of non-negative terms rounded in any order is within 2 n u of the
// exact sum (u = 2^-53, n <= 99 points), so a partial sum taken in scoring
// order, shrunk by this factor, never exceeds the residual sum taken in
// point order.
constexpr double kReorderMargin = 1.0 - 1e-13;

class ResidualSum {
 public:
  explicit ResidualSum(const EntryTest& test) : limit_(test.residualLimit) {}
  // Adds one squared residual; true once the candidate is ruled out.
  bool addRulesOut(double square) {
    partial_ += square;
    return partial_ * kReorderMargin >= limit_ && partial_ <= std::numeric_limits<double>::max();
  }

 private:
  double limit_;
  double partial_ = 0.0;
};

template <int Set>
bool Score(const ColumnBank& bank, const SetScoring& scoring, const int* ids, int m, const EntryTest& test,
           ScoreScratch& s, double& rSquared) {
  const int n = bank.pointCount();
  const double* observed = scoring.observed.data();
  ResidualSum sum(test);
  for (int start = 0; start < n; start += kPointBlock) {
    Lanes fitted[kPointBlock / kLanes] = {};
    for (int j = 0; j < m; ++j) {
      const double* column = bank.column(ids[j]) + start;
      const Lanes c = Broadcast(s.coefficients[j]);
      for (int b = 0; b < kPointBlock / kLanes; ++b) fitted[b] += Load(column + b * kLanes) * c;
    }
    const int end = std::min(n, start + kPointBlock);
    if constexpr (Set == kSetY || Set == kSetReciprocal) {
      for (int b = 0; b < kPointBlock / kLanes; ++b) {
        const Lanes d = Load(observed + start + b * kLanes) - BackTransformLanes<Set>(fitted[b]);
        Store(s.squares + start + b * kLanes, d * d);
      }
      for (int i = start; i < end; ++i)
        if (sum.addRulesOut(s.squares[i])) return false;
    } else {
      // Costly transforms: one point at a time, so none is computed past the
      // point that rules the candidate out.
      for (int i = start; i < end; ++i) {
        const double d = observed[i] - BackTransform(Set, fitted[(i - start) / kLanes][(i - start) % kLanes]);
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

}  // namespace

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
                         const EntryTest& test, ScoreScratch& s, double& rSquared) {
  Solve(bank, scoring, ids, m, s);
  switch (scoring.set) {
    case kSetY: return Score<kSetY>(bank, scoring, ids, m, test, s, rSquared);
    case kSetReciprocal: return Score<kSetReciprocal>(bank, scoring, ids, m, test, s, rSquared);
    case kSetSquare: return Score<kSetSquare>(bank, scoring, ids, m, test, s, rSquared);
    case kSetCube: return Score<kSetCube>(bank, scoring, ids, m, test, s, rSquared);
    case kSetLog: return Score<kSetLog>(bank, scoring, ids, m, test, s, rSquared);
    case kSetExp: return Score<kSetExp>(bank, scoring, ids, m, test, s, rSquared);
  }
  return false;
}

}  // namespace rv
