#pragma once

namespace rv {

// Every sum over a sheet's points that a fit takes is taken in one order,
// whoever takes it, so that the plain fit and the search's vector kernels
// agree to the bit: sixteen running sums, point i adding to sum i % 16 in
// increasing i, then added pairwise (sum l and sum l + 8, then l and l + 4,
// l and l + 2, and the last two). Vectors of 2, 4 or 8 doubles hold the
// sixteen sums in 8, 4 or 2 registers and add them in the same pairs; and
// sixteen sums side by side keep the adder busy where one would wait on
// each addition.
inline constexpr int kPointSums = 16;

// The room a column of the search takes: its points and zeros up to a whole
// number of sums, which add nothing (a running sum that starts at +0 is
// never -0, so adding +0 leaves it as it is).
inline constexpr int PaddedPoints(int points) { return (points + kPointSums - 1) / kPointSums * kPointSums; }

// The sum of a[i] * b[i] over the points, in that order.
double PointDot(const double* a, const double* b, int points);

// a[i] = a[i] - c * b[i] for every point: one step of an orthogonalisation.
void SubtractMultiple(double* a, double c, const double* b, int points);

}  // namespace rv
