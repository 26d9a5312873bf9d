#pragma once

#include <vector>

#include "regress/search_data.h"

namespace rv {

// The order in which a fit goes through the points after it has
// standardised its columns: the points whose Y lies farthest from the mean of
// Y first (the mean as the sum over N; ties in point order). Every sum of the
// orthogonalisation and the residual sum of squares are taken in this order,
// by the plain fit and the search alike; a poor candidate's residuals at the
// first points rule it out soonest. Element k is the point taken k-th.
std::vector<int> ScoringOrder(const SearchData& data);

}  // namespace rv
