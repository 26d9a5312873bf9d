#include "stats/confidence_band.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "regress/equation_point.h"
#include "regress/y_form.h"
#include "sheet/value_text.h"
#include "stats/student_t.h"

namespace rv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

PointBands BandsAbout(const ConfidenceBands& bands, const FitWorkspace& workspace, const TermValues& values,
                      double fitted, double observationVariance) {
  const BandHalfWidths half = HalfWidthsAt(bands, workspace, values, observationVariance);
  const EquationSet set = workspace.set();
  return {BackTransform(set, fitted), BackTransformedBand(set, fitted, half.confidence),
          BackTransformedBand(set, fitted, half.prediction)};
}

}  // namespace

std::string BandHeading(double level, EquationSet set) {
  std::string heading = FormatText("%g%% bands: Conf of the mean, Pred of a new observation", level * 100.0);
  if (set == EquationSet::Y) return heading;
  std::string head = YFormHead(set);
  head.resize(head.size() - 2);  // without " ="
  return heading + " (approximate: the bands of " + head + " mapped back)";
}

ConfidenceBands BuildConfidenceBands(const FitWorkspace& workspace, double level) {
  ConfidenceBands bands;
  bands.covariance = BuildCoefficientCovariance(workspace);
  bands.level = level;
  bands.critical = bands.covariance.defined ? StudentTCriticalValue(1.0 - level, bands.covariance.residualDf) : kNaN;
  return bands;
}

BandHalfWidths HalfWidthsAt(const ConfidenceBands& bands, const FitWorkspace& workspace, const TermValues& values,
                            double observationVariance) {
  if (!bands.covariance.defined) return {kNaN, kNaN};
  const CoefficientCovariance& covariance = bands.covariance;
  const double share = UnscaledVarianceAt(covariance, workspace, values);
  const double scale = bands.critical * covariance.yScale;
  return {scale * std::sqrt(covariance.residualVariance * share),
          scale * std::sqrt(covariance.residualVariance * (observationVariance + share))};
}

BandLimits BackTransformedBand(EquationSet set, double fitted, double halfWidth) {
  double low = fitted - halfWidth;
  double high = fitted + halfWidth;
  if (!std::isfinite(low) || !std::isfinite(high)) return {kNaN, kNaN};
  switch (set) {
    case EquationSet::Reciprocal:
      if (!(low > 0.0 || high < 0.0)) return {kNaN, kNaN};
      break;
    case EquationSet::Square:
    case EquationSet::Cube:
      low = std::max(low, 0.0);
      high = std::max(high, 0.0);
      break;
    case EquationSet::Exp:
    case EquationSet::Y:
    case EquationSet::Log: break;
  }
  const double a = HasBackTransform(set, low) ? BackTransform(set, low) : kNaN;
  const double b = HasBackTransform(set, high) ? BackTransform(set, high) : kNaN;
  // 1/t runs downward: its ends change places.
  if (set == EquationSet::Reciprocal) return {b, a};
  return {a, b};
}

PointBands BandsAtPoint(const ConfidenceBands& bands, const FitWorkspace& workspace, int point) {
  // A new observation at a data point has that point's uncertainty: 1 / w,
  // 1 without weights.
  const double rootWeight = RootWeight(workspace, point);
  const double observationVariance = 1.0 / (rootWeight * rootWeight);
  return BandsAbout(bands, workspace, TermValuesAtPoint(workspace, point), FittedValue(workspace, point),
                    observationVariance);
}

PointBands BandsAt(const ConfidenceBands& bands, const FitWorkspace& workspace, const double* variables) {
  TermValues values;
  if (!std::isfinite(EquationPointAt(workspace, variables).value) || !TermValuesAt(workspace, variables, values))
    return {kNaN, {kNaN, kNaN}, {kNaN, kNaN}};
  // Between the data points of a weighted fit no uncertainty of a new
  // observation is known: its prediction band has no ends there.
  const double observationVariance = workspace.weights.weighted() ? kNaN : 1.0;
  return BandsAbout(bands, workspace, values, TransformedEquationValue(workspace, variables), observationVariance);
}

}  // namespace rv
