#include "regress/point_sums.h"

namespace rv {

double PointDot(const double* a, const double* b, int points) {
  double sums[kPointSums] = {};
  for (int i = 0; i < points; ++i) sums[i % kPointSums] += a[i] * b[i];
  for (int width = kPointSums / 2; width >= 1; width /= 2)
    for (int l = 0; l < width; ++l) sums[l] = sums[l] + sums[l + width];
  return sums[0];
}

void SubtractMultiple(double* a, double c, const double* b, int points) {
  for (int i = 0; i < points; ++i) a[i] = a[i] - c * b[i];
}

}  // namespace rv
