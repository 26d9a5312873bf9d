#pragma once

namespace rv {

// Upper-tail P value of the F distribution with d1 and d2 degrees of
// freedom: the probability that F is at least f. 1 for f <= 0 (an F
// statistic is never negative, but one made from sums of squares on another
// scale than the fit's can be), 0 for an infinite f; not finite when d1 or d2
// is not positive or f is not a number.
double FUpperTailP(double f, double d1, double d2);

}  // namespace rv
