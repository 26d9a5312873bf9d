#pragma once

namespace rv {

// Every sum over a sheet's points that a fit takes is taken in one order,
// whoever takes it, so that the plain fit and the search's vector kernels
// agree to the bit: eight running sums, point i adding to sum i % 8 in
// increasing i, then added pairwise (sum l and sum l + 4, then l and l + 2,
// and the last two). Vectors of 2, 4 or 8 doubles hold the eight sums in 4,
// 2 or 1 registers and add them in the same pairs; and eight sums side by
// side keep the adder busy where one would wait on each addition.
inline constexpr int kPointSums = 8;

// The room a column of the search takes: its points and zeros up to a whole
// number of sums, which add nothing (a running sum that starts at +0 is
// never -0, so adding +0 leaves it as it is).
inline constexpr int PaddedPoints(int points) { return (points + kPointSums - 1) / kPointSums * kPointSums; }

// The sum of a[i] * b[i] over the points, in that order.
double PointDot(const double* a, const double* b, int points);

// a[i] = a[i] - c * b[i] for every point: one step of an orthogonalisation.
void SubtractMultiple(double* a, double c, const double* b, int points);

}  // namespace rv
