#include "stats/student_t.h"

#include <gtest/gtest.h>

#include <cmath>

#include "stats/incomplete_beta.h"
#include "student_t_reference.h"

namespace rv::testing {
namespace {

TEST(StudentT, AgreesWithTheClosedFormsForManyDegreesOfFreedom) {
  for (const int df : {1, 2, 3, 4, 5, 7, 9, 10, 15, 30, 61, 97}) {
    for (const double t : {0.0, 0.1, 0.7, 1.0, 1.96, 2.5, 4.24, 8.0, 25.0, -3.3}) {
      const double expected = static_cast<double>(ClosedFormTwoSidedP(t, df));
      EXPECT_NEAR(TwoSidedStudentP(t, df), expected, 1e-13 + 1e-11 * expected) << "t " << t << " df " << df;
    }
  }
}

TEST(StudentT, MatchesTabulatedValues) {
  EXPECT_NEAR(TwoSidedStudentP(2.228, 10), 0.05, 5e-5);
  EXPECT_NEAR(TwoSidedStudentP(12.706, 1), 0.05, 5e-5);
  EXPECT_NEAR(TwoSidedStudentP(2.576, 1e6), 0.01, 5e-5);
  EXPECT_NEAR(TwoSidedStudentP(2.0, 1), 1.0 - 2.0 * std::atan(2.0) / M_PI, 1e-15);
  EXPECT_NEAR(TwoSidedStudentP(2.0, 2), 1.0 - 2.0 / std::sqrt(6.0), 1e-15);
}

TEST(StudentT, HandlesTheEdges) {
  EXPECT_EQ(TwoSidedStudentP(0.0, 5), 1.0);
  EXPECT_EQ(TwoSidedStudentP(INFINITY, 5), 0.0);
  EXPECT_GT(TwoSidedStudentP(1e4, 3), 0.0);
  EXPECT_LT(TwoSidedStudentP(1e4, 3), 1e-10);
  EXPECT_TRUE(std::isnan(TwoSidedStudentP(NAN, 5)));
  EXPECT_TRUE(std::isnan(TwoSidedStudentP(1.0, 0)));
  EXPECT_TRUE(std::isnan(TwoSidedStudentP(1.0, -2)));
  EXPECT_TRUE(std::isnan(RegularizedIncompleteBeta(1.0, 1.0, 1.5)));
  EXPECT_DOUBLE_EQ(RegularizedIncompleteBeta(2.0, 3.0, 0.4), 1.0 - RegularizedIncompleteBeta(3.0, 2.0, 0.6));
  // I_x(1, b) = 1 - (1 - x)^b.
  EXPECT_NEAR(RegularizedIncompleteBeta(1.0, 4.5, 0.3), 1.0 - std::pow(0.7, 4.5), 1e-15);
}

TEST(StudentTCriticalValue, AgreesWithTheClosedFormsAndTheTables) {
  const long double pi = 3.141592653589793238462643383279502884L;
  for (const double p : {0.5, 0.1, 0.05, 0.01, 1e-6}) {
    // One degree of freedom: t = tan(pi (1 - p) / 2); two: t = q / sqrt(2 h (1 - h)), h = 1 - p / 2, q = 1 - p.
    const long double oneDf = std::tan(pi * (1.0L - p) / 2.0L);
    const long double h = 1.0L - p / 2.0L;
    const long double twoDf = (1.0L - p) / std::sqrt(2.0L * h * (1.0L - h));
    EXPECT_NEAR(StudentTCriticalValue(p, 1), static_cast<double>(oneDf), 1e-13 * static_cast<double>(oneDf)) << p;
    EXPECT_NEAR(StudentTCriticalValue(p, 2), static_cast<double>(twoDf), 1e-13 * static_cast<double>(twoDf)) << p;
  }
  EXPECT_NEAR(StudentTCriticalValue(0.05, 10), 2.228138851986273, 1e-14);
  EXPECT_NEAR(StudentTCriticalValue(0.05, 30), 2.042272456301238, 1e-14);
  EXPECT_NEAR(StudentTCriticalValue(0.01, 5), 4.0321429835552281, 1e-13);
  EXPECT_NEAR(StudentTCriticalValue(0.05, 1e7), 1.959963984540054, 1e-6);
}

TEST(StudentTCriticalValue, InvertsTheTwoSidedP) {
  for (const int df : {1, 3, 4, 7, 12, 33, 96}) {
    for (const double p : {0.9, 0.3, 0.05, 0.001, 1e-9}) {
      // The closed form is good to about 1e-19 absolute.
      const double t = StudentTCriticalValue(p, df);
      EXPECT_NEAR(static_cast<double>(ClosedFormTwoSidedP(t, df)), p, 1e-18 + 1e-12 * p) << "df " << df << " p " << p;
    }
  }
}

TEST(StudentTCriticalValue, HandlesTheEdges) {
  EXPECT_EQ(StudentTCriticalValue(1.0, 5), 0.0);
  EXPECT_TRUE(std::isnan(StudentTCriticalValue(0.0, 5)));
  EXPECT_TRUE(std::isnan(StudentTCriticalValue(1.5, 5)));
  EXPECT_TRUE(std::isnan(StudentTCriticalValue(NAN, 5)));
  EXPECT_TRUE(std::isnan(StudentTCriticalValue(0.05, 0)));
  EXPECT_TRUE(std::isnan(StudentTCriticalValue(0.05, NAN)));
}

}  // namespace
}  // namespace rv::testing
