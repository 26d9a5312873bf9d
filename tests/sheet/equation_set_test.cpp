#include "sheet/equation_set.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

// Files and the command line number the sets 1 to 6 in search order; no
// other number names a set.
TEST(EquationSet, NumbersNameTheSetsInSearchOrderAndNothingElse) {
  PerEquationSet<int> seen;
  for (int number = -1; number <= kSetCount + 1; ++number) {
    const std::optional<EquationSet> set = EquationSetFromNumber(number);
    ASSERT_EQ(set.has_value(), number >= 1 && number <= kSetCount) << number;
    if (!set) continue;
    EXPECT_EQ(*set, kEquationSets[static_cast<size_t>(number - 1)]);
    EXPECT_EQ(EquationSetNumber(*set), number);
    seen[*set] += number;
  }
  EXPECT_EQ(seen, (PerEquationSet<int>{1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace rv
