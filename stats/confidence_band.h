#pragma once

#include <string>

#include "regress/fit_workspace.h"
#include "sheet/band_options.h"
#include "stats/coefficient_covariance.h"

namespace rv {

// Half the width of the two bands at a point on the transformed scale of Y:
// t(level, N - k) sqrt(s^2 g'Cg) for the mean, and sqrt(s^2 (1 + g'Cg)) in
// its place for a new observation (CoefficientCovariance). Not finite where
// they are undefined: no residual degrees of freedom, or a singular J.
struct BandHalfWidths {
  double confidence = 0.0;
  double prediction = 0.0;
};

// A band's ends on the scale of Y. For a transformed Y form they are the
// transformed band's ends mapped back, which is exact for the probability
// but only approximately a band about the mean of Y. An end that maps back
// to no Y (a band of 1/Y that crosses 0, a band of exp(Y) that reaches 0) is
// not finite; the ends of a band of Y^2 or Y^3 stop at Y = 0.
struct BandLimits {
  double low = 0.0;
  double high = 0.0;
};

// The equation's value at a point and both bands about it.
struct PointBands {
  double value = 0.0;
  BandLimits confidence;
  BandLimits prediction;
};

// What the bands of the current equation are evaluated from: its
// covariance and Student's t of the level with its residual degrees of
// freedom.
struct ConfidenceBands {
  CoefficientCovariance covariance;
  double level = kDefaultBandLevel;
  double critical = 0.0;
};

// What the bands are, where they are shown: "95% bands: Conf of the mean,
// Pred of a new observation", and for a transformed Y form
// " (approximate: the bands of ln(Y) mapped back)" with its head.
std::string BandHeading(double level, EquationSet set);

ConfidenceBands BuildConfidenceBands(const FitWorkspace& workspace, double level);

// The half-widths at a point of the given term values. observationVariance
// is a new observation's variance in the fit's units: 1 without weights,
// 1 / w with them (not a number where it is not known).
BandHalfWidths HalfWidthsAt(const ConfidenceBands& bands, const FitWorkspace& workspace, const TermValues& values,
                            double observationVariance = 1.0);

BandLimits BackTransformedBand(EquationSet set, double fitted, double halfWidth);

// The bands at data point `point`, about the Y Calc the statistics show.
PointBands BandsAtPoint(const ConfidenceBands& bands, const FitWorkspace& workspace, int point);

// The bands at single variable values (variables[k] is Xk); not finite
// where the equation has no value.
PointBands BandsAt(const ConfidenceBands& bands, const FitWorkspace& workspace, const double* variables);

}  // namespace rv
