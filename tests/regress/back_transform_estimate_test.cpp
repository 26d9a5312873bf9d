#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

#include "regress/lane_back_transform.h"
#include "test_sheets.h"

namespace rv {
namespace {

// Values across the whole range the search meets: both signs, tiny, huge,
// near 0 and 1 (where a logarithm is near 0), and random mantissas.
std::vector<double> Arguments() {
  std::vector<double> values = {0.0,
                                -0.0,
                                1.0,
                                1.0 + 1e-15,
                                1.0 - 1e-15,
                                0.5,
                                2.0,
                                1e-300,
                                1e300,
                                699.9,
                                -699.9,
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN(),
                                1e-310,
                                2e300};
  std::uint32_t state = 99;
  for (int i = 0; i < 20000; ++i) {
    const double mantissa = 1.0 + testing::Noise(state) + 0.5;
    const int exponent = static_cast<int>((testing::Noise(state) + 0.5) * 2000.0) - 1000;
    values.push_back((i % 2 ? -1.0 : 1.0) * std::ldexp(mantissa, exponent));
    values.push_back(testing::Noise(state) * 1500.0);  // exponents of e^t, in and out of range
  }
  return values;
}

template <EquationSet Set>
void ExpectTheSlackHolds() {
  using V = PortableLanes;
  int estimated = 0;
  for (double t : Arguments()) {
    V::Lanes estimate, slack;
    EstimateBackTransform<V, Set>(V::broadcast(t), estimate, slack);
    const double exact = BackTransform(Set, t);
    SCOPED_TRACE(::testing::Message() << "set " << EquationSetNumber(Set) << ", t = " << t);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(estimate[0]), std::bit_cast<std::uint64_t>(estimate[1]));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(slack[0]), std::bit_cast<std::uint64_t>(slack[1]));
    if (std::isinf(slack[0])) continue;  // out of the estimate's range: no claim
    ASSERT_FALSE(std::isnan(exact));
    if (slack[0] == 0.0) {
      EXPECT_EQ(estimate[0], exact);  // the transform gives t back: no estimate needed
      continue;
    }
    ++estimated;
    // The slack holds with a thousandfold margin.
    EXPECT_LE(std::fabs(exact - estimate[0]), slack[0] / 1000.0);
  }
  EXPECT_GT(estimated, 10000);
}

TEST(BackTransformEstimate, IsWithinItsSlackOfTheLibrarysCubeRoot) { ExpectTheSlackHolds<EquationSet::Cube>(); }
TEST(BackTransformEstimate, IsWithinItsSlackOfTheLibrarysExponential) { ExpectTheSlackHolds<EquationSet::Log>(); }
TEST(BackTransformEstimate, IsWithinItsSlackOfTheLibrarysLogarithm) { ExpectTheSlackHolds<EquationSet::Exp>(); }

// Where there is no estimate, nothing is claimed: the slack is infinite.
TEST(BackTransformEstimate, ClaimsNothingOutOfRange) {
  using V = PortableLanes;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    EquationSet set;
    double t;
  } cases[] = {{EquationSet::Cube, 1e-310}, {EquationSet::Cube, 1e301}, {EquationSet::Cube, nan},
               {EquationSet::Log, 701.0},   {EquationSet::Log, -701.0}, {EquationSet::Log, nan},
               {EquationSet::Exp, 1e-310},  {EquationSet::Exp, 1e301}};
  for (const auto& c : cases) {
    V::Lanes estimate = V::broadcast(0.0), slack = V::broadcast(0.0);
    if (c.set == EquationSet::Cube) EstimateBackTransform<V, EquationSet::Cube>(V::broadcast(c.t), estimate, slack);
    if (c.set == EquationSet::Log) EstimateBackTransform<V, EquationSet::Log>(V::broadcast(c.t), estimate, slack);
    if (c.set == EquationSet::Exp) EstimateBackTransform<V, EquationSet::Exp>(V::broadcast(c.t), estimate, slack);
    EXPECT_TRUE(std::isinf(slack[0])) << "set " << EquationSetNumber(c.set) << ", t = " << c.t;
  }
}

}  // namespace
}  // namespace rv
