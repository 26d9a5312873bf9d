#pragma once

#include <vector>

namespace rv {

// A round step for ticks: 1, 2 or 5 × 10^k, the smallest such that span is
// at most `intervals` steps (at least one interval). Nothing usable (0) for
// a span that is not a positive finite number.
double RoundStep(double span, int intervals);

// The multiples of a RoundStep from low to high (ends included, to a billionth of
// a step), each computed from its multiple so that none drifts: k × 5 ×
// 10^-3 is k × 5 / 1000. At most maxTicks of them; none for a step that
// is not positive.
std::vector<double> TicksWithin(double low, double high, double step, int maxTicks = 1000);

}  // namespace rv
