#pragma once

#include <vector>

namespace rv {

// A round step for ticks: 1, 2 or 5 × 10^k, the smallest such that span is
// at most `intervals` steps (at least one interval). Nothing usable (0) for
// a span that is not a positive finite number.
double RoundStep(double span, int intervals);

// The multiples of a RoundStep from low to high (ends included, to a
// billionth of a step), each computed from its multiple so that none
// drifts: k × 5 × 10^-3 is k × 5 / 1000. At most maxTicks of them; none for
// a step that is not positive.
std::vector<double> TicksWithin(double low, double high, double step, int maxTicks = 1000);

// The round numbers along one axis. The grid lines and the labels of the
// whole graph stand a RoundStep apart; a zoomed view labels finer round
// numbers, down to a tenth of a power of ten below the step. Every tick is
// a multiple of that fine step, which is a power of ten.
struct AxisTicks {
  double step = 0.0;
  double fine = 0.0;
  long long perStep = 1;             // step / fine: 10, 20 or 50
  std::vector<long long> multiples;  // of fine, within the axis's range, increasing

  // multiple × fine, computed as exactly as decimals allow.
  double value(long long multiple) const;
  bool onStep(long long multiple) const { return multiple % perStep == 0; }
};

// The ticks from low to high with a RoundStep of about `intervals`; none
// when the range has no width, or would hold more than maxFine fine ticks.
AxisTicks AxisTicksWithin(double low, double high, int intervals, long long maxFine = 5000);

}  // namespace rv
