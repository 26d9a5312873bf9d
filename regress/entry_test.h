#pragma once

#include <cstdint>
#include <limits>

#include "regress/ranking_criterion.h"

namespace rv {

// What a candidate of one set and one number of coefficients must do to
// enter the list, and the residual sum of squares at which that becomes
// impossible. Every criterion only worsens as the residual sum grows (for a
// fixed number of coefficients), and the residual sum is taken in the
// scoring order, so a running sum over the first points that reaches the
// limit already rules the candidate out: adding rounded non-negative terms
// never makes a sum smaller. Ranked by predicted R squared, the running sum
// is that of the squared leave-one-out residuals.
struct EntryTest {
  EntryTest() = default;
  // bound: the merit to beat, -infinity while the list takes anything it
  // may hold.
  // sst and the residual sums are of the observations times 2^-squaresExponent.
  EntryTest(RankingCriterion criterion, double bound, double sst, int points, int coefficients,
            int squaresExponent = 0);
  // True when a running sum of squared residuals (leave-one-out ones by
  // predicted R squared) already rules the candidate out.
  bool rulesOut(double partialSum) const { return partialSum >= residualLimit; }
  // The verdict on the whole residual sums, by the list's own rule; the
  // merit is set either way.
  bool admits(double ssRes, double press, double& merit) const {
    return MayEnterList(ResidualScore{ssRes, sst, points, coefficients, squaresExponent, press}, criterion, merit) &&
           merit > bound;
  }

  RankingCriterion criterion = RankingCriterion::RSquared;
  double bound = -std::numeric_limits<double>::infinity();
  double sst = std::numeric_limits<double>::quiet_NaN();  // never equal: a test made by default is made again
  int points = 0;
  int coefficients = 0;
  int squaresExponent = 0;
  double residualLimit = 0.0;  // +infinity: no early stop
};

// The entry tests of one set and bound, by number of coefficients (the
// same for all by R squared), each worked out when first asked for.
class EntryTests {
 public:
  // Starts over when anything the tests hang on changed.
  void set(RankingCriterion criterion, double bound, double sst, int points, int squaresExponent) {
    if (criterion == criterion_ && bound == bound_ && sst == sst_ && points == points_ &&
        squaresExponent == squaresExponent_)
      return;
    criterion_ = criterion;
    bound_ = bound;
    sst_ = sst;
    points_ = points;
    squaresExponent_ = squaresExponent;
    made_ = 0;
  }
  const EntryTest& forCoefficients(int coefficients) {
    const bool sameForAll =
        criterion_ == RankingCriterion::RSquared || criterion_ == RankingCriterion::PredictedRSquared;
    const int slot = sameForAll ? 0 : coefficients;
    if (!(made_ & (std::uint64_t{1} << slot))) {
      tests_[slot] = EntryTest(criterion_, bound_, sst_, points_, coefficients, squaresExponent_);
      made_ |= std::uint64_t{1} << slot;
    }
    return tests_[slot];
  }

 private:
  RankingCriterion criterion_ = RankingCriterion::RSquared;
  double bound_ = 0.0, sst_ = std::numeric_limits<double>::quiet_NaN();
  int points_ = 0, squaresExponent_ = 0;
  std::uint64_t made_ = 0;
  EntryTest tests_[32];
};

// A candidate that passed: its residual sum (in point order), its
// leave-one-out sum where the list ranks by it, and its merit.
struct EntryScore {
  double ssRes = 0.0;
  double merit = 0.0;
  double press = std::numeric_limits<double>::quiet_NaN();
};

}  // namespace rv
