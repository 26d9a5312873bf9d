#include "regress/scoring_order.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace rv {

std::vector<int> ScoringOrder(const SearchData& data) {
  std::vector<int> order(static_cast<size_t>(data.pointCount));
  std::iota(order.begin(), order.end(), 0);
  double mean = 0.0;
  for (int i = 0; i < data.pointCount; ++i) mean += data.values[i][0];
  mean /= std::max(1, data.pointCount);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return std::fabs(data.values[a][0] - mean) > std::fabs(data.values[b][0] - mean);
  });
  return order;
}

}  // namespace rv
