#pragma once

#include <limits>

#include "regress/ranking_criterion.h"
#include "sheet/data_sheet.h"

namespace rv {

// What a candidate of one set and one number of coefficients must do to
// enter the list, and the residual sum of squares at which that becomes
// impossible. Every criterion only worsens as the residual sum grows (for a
// fixed number of coefficients), so a residual sum over some of the points
// that reaches the limit (with a margin for the rounding of a sum taken in
// another order) already rules the candidate out.
struct EntryTest {
  // A sum of n non-negative terms rounded in any order is within (n - 1) u
  // of the exact sum (u = 2^-53), so two orders differ by less than 2 n u =
  // 2.2e-16 n: a partial sum taken in scoring order, shrunk by the margin,
  // never exceeds the residual sum taken in point order. For the sheet's
  // first 99 rows the margin is 1 - 1e-13 (4.5 times 2 n u at n = 99); a
  // longer sheet takes off 1e-15 n, the same 4.5 times, which keeps
  // 1 - 1e-10 at 100,000 points.
  static constexpr double kReorderMargin = 1.0 - 1e-13;
  static double ReorderMargin(int points) { return points <= kSheetRows ? kReorderMargin : 1.0 - 1e-15 * points; }

  EntryTest() = default;
  // bound: the merit to beat, -infinity while the list takes anything it
  // may hold.
  // sst and the residual sums are of the observations times 2^-squaresExponent.
  EntryTest(RankingCriterion criterion, double bound, double sst, int points, int coefficients,
            int squaresExponent = 0);
  // True when a running sum of squared residuals already rules the
  // candidate out. An infinite sum does not: its order may matter.
  bool rulesOut(double partialSum) const {
    return partialSum * reorderMargin >= residualLimit && partialSum <= std::numeric_limits<double>::max();
  }
  // The verdict on the whole residual sum, by the list's own rule; the merit
  // is set either way.
  bool admits(double ssRes, double& merit) const {
    return MayEnterList(ResidualScore{ssRes, sst, points, coefficients, squaresExponent}, criterion, merit) &&
           merit > bound;
  }

  RankingCriterion criterion = RankingCriterion::RSquared;
  double bound = -std::numeric_limits<double>::infinity();
  double sst = std::numeric_limits<double>::quiet_NaN();  // never equal: a test made by default is made again
  int points = 0;
  int coefficients = 0;
  int squaresExponent = 0;
  double residualLimit = 0.0;             // +infinity: no early stop
  double reorderMargin = kReorderMargin;  // ReorderMargin(points)
};

// A candidate that passed: its residual sum (in point order) and its merit.
struct EntryScore {
  double ssRes = 0.0;
  double merit = 0.0;
};

}  // namespace rv
