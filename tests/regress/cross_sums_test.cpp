#include "regress/cross_sums.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <utility>
#include <vector>

#include "test_sheets.h"

namespace rv {
namespace {

// Every vector width on one thread, and the widest on several.
std::vector<std::pair<int, VectorWidth>> WaysToSum() {
  std::vector<std::pair<int, VectorWidth>> ways;
  for (VectorWidth width : VectorWidthsHere()) ways.emplace_back(1, width);
  for (int threads : {2, 3}) ways.emplace_back(threads, WidestVectors());
  return ways;
}

// Each sum is the plain one, point by point in point order, to the bit:
// for column counts around the vector widths, points stored out of order,
// values of every magnitude and sign, every vector width and any number of
// threads.
TEST(CrossSums, AreThePlainSumsInPointOrder) {
  std::uint32_t state = 41;
  for (int columns : {1, 2, 7, 8, 9, 31, 33, 70}) {
    for (int points : {2, 13, 99}) {
      const int stride = (points + 7) / 8 * 8;
      std::vector<int> positionOfPoint(static_cast<size_t>(points));
      for (int i = 0; i < points; ++i) positionOfPoint[static_cast<size_t>(i)] = points - 1 - i;
      std::vector<double> values(static_cast<size_t>(columns * stride), 0.0);
      for (int c = 0; c < columns; ++c)
        for (int k = 0; k < points; ++k)
          values[static_cast<size_t>(c * stride + k)] = std::ldexp(testing::Noise(state), (c * 7 + k) % 40 - 20);
      for (const auto& [threads, width] : WaysToSum()) {
        const std::vector<double> sums = CrossSums(values.data(), stride, columns, positionOfPoint, threads, width);
        ASSERT_EQ(sums.size(), static_cast<size_t>(columns * columns));
        for (int a = 0; a < columns; ++a)
          for (int b = 0; b < columns; ++b) {
            double plain = 0.0;
            for (int i = 0; i < points; ++i)
              plain += values[static_cast<size_t>(a * stride + positionOfPoint[static_cast<size_t>(i)])] *
                       values[static_cast<size_t>(b * stride + positionOfPoint[static_cast<size_t>(i)])];
            ASSERT_EQ(std::bit_cast<std::uint64_t>(sums[static_cast<size_t>(a * columns + b)]),
                      std::bit_cast<std::uint64_t>(plain))
                << columns << " columns, " << points << " points, " << threads << " threads, vector width "
                << static_cast<int>(width) << ", entry " << a << ", " << b;
          }
      }
    }
  }
}

}  // namespace
}  // namespace rv
