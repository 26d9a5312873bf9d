#include "stats/f_distribution.h"

#include <gtest/gtest.h>

#include <cmath>

#include "student_t_reference.h"

namespace rv::testing {
namespace {

void ExpectRelative(double actual, double expected, double tolerance, const char* what, double f, int d1, int d2) {
  EXPECT_NEAR(actual, expected, tolerance * std::fabs(expected)) << what << ": f " << f << " d1 " << d1 << " d2 " << d2;
}

TEST(FDistribution, AgreesWithTheClosedForms) {
  for (const int d2 : {1, 2, 3, 5, 8, 17, 34, 97}) {
    for (const double f : {0.01, 0.5, 1.0, 2.7, 9.0, 55.0, 1e4, 5436385.5}) {
      // Two numerator degrees of freedom: P = (d2 / (d2 + 2f))^(d2 / 2).
      const long double two = std::pow(static_cast<long double>(d2) / (d2 + 2.0L * f), d2 / 2.0L);
      ExpectRelative(FUpperTailP(f, 2, d2), static_cast<double>(two), 1e-12, "d1 = 2", f, 2, d2);
      // One numerator degree of freedom: F is the square of Student's t. That
      // closed form subtracts from 1 in long double, so it is good to about
      // 1e-19 absolute.
      const double one = static_cast<double>(ClosedFormTwoSidedP(std::sqrt(static_cast<long double>(f)), d2));
      EXPECT_NEAR(FUpperTailP(f, 1, d2), one, 1e-18 + 1e-11 * one) << "d1 = 1: f " << f << " d2 " << d2;
    }
  }
  for (const int d1 : {1, 3, 4, 9, 20}) {
    for (const double f : {0.2, 1.0, 3.3, 40.0}) {
      // Two denominator degrees of freedom: P = 1 - (d1 f / (2 + d1 f))^(d1 / 2).
      const long double ratio = d1 * static_cast<long double>(f) / (2.0L + d1 * static_cast<long double>(f));
      ExpectRelative(FUpperTailP(f, d1, 2), static_cast<double>(1.0L - std::pow(ratio, d1 / 2.0L)), 1e-12, "d2 = 2", f,
                     d1, 2);
    }
  }
}

TEST(FDistribution, MatchesTabulatedCriticalValues) {
  // Upper 5 % points of F from the printed tables (seven digits).
  EXPECT_NEAR(FUpperTailP(161.4476, 1, 1), 0.05, 1e-6);
  EXPECT_NEAR(FUpperTailP(3.708265, 3, 10), 0.05, 1e-6);
  EXPECT_NEAR(FUpperTailP(2.710890, 5, 20), 0.05, 1e-6);
  EXPECT_NEAR(FUpperTailP(3.259167, 4, 12), 0.05, 1e-6);
}

TEST(FDistribution, HandlesTheEdges) {
  EXPECT_EQ(FUpperTailP(0.0, 3, 10), 1.0);
  EXPECT_EQ(FUpperTailP(-2.5, 3, 10), 1.0);
  EXPECT_EQ(FUpperTailP(INFINITY, 3, 10), 0.0);
  EXPECT_TRUE(std::isnan(FUpperTailP(NAN, 3, 10)));
  EXPECT_TRUE(std::isnan(FUpperTailP(2.0, 0, 10)));
  EXPECT_TRUE(std::isnan(FUpperTailP(2.0, 3, 0)));
  EXPECT_TRUE(std::isnan(FUpperTailP(2.0, 3, -1)));
  // A very large F keeps a tiny, positive P rather than rounding to 0.
  EXPECT_GT(FUpperTailP(1e12, 2, 20), 0.0);
  EXPECT_LT(FUpperTailP(1e12, 2, 20), 1e-100);
}

}  // namespace
}  // namespace rv::testing
