#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "literal_reference.h"
#include "regress/vector_width.h"
#include "regress/search_outcome.h"

namespace rv::testing {

inline SearchShape ShapeFor(const SearchData& data, int maxTerms,
                            PerEquationSet<bool> sets = {true, true, true, true, true, true}) {
  SearchShape shape;
  shape.variables = data.variableCount();
  shape.maxTerms = maxTerms;
  shape.sets = sets;
  return shape;
}

// Every kernel this processor can run, the portable one too; each must give
// the same results.
inline std::vector<VectorWidth> SupportedWidths() { return VectorWidthsHere(); }

// The list as shown (R squared and criterion bits, ordinals, texts, order)
// equals the literal search's.
inline void ExpectSameList(const SearchOutcome& outcome, const std::vector<LiteralEntry>& literal) {
  const std::vector<int> order = outcome.list.sortOrder();
  ASSERT_EQ(order.size(), literal.size());
  for (size_t i = 0; i < order.size(); ++i) {
    const EquationRecord& record = outcome.list.slot(order[i]);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(record.rSquared), std::bit_cast<std::uint64_t>(literal[i].rSquared))
        << "position " << i << ": " << record.text << " vs " << literal[i].text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(record.score.value(outcome.list.criterion())),
              std::bit_cast<std::uint64_t>(literal[i].criterion))
        << "position " << i;
    ASSERT_EQ(record.ordinal, literal[i].ordinal) << "position " << i;
    ASSERT_EQ(record.text, literal[i].text) << "position " << i;
  }
}

}  // namespace rv::testing
