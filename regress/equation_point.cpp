#include "regress/equation_point.h"

#include <cmath>
#include <limits>

#include "regress/y_form.h"

namespace rv {

namespace {

// The denominator a term divides by, or 1 for a term without one.
double Denominator(const FitWorkspace& workspace, const Term& term, double x, double x2) {
  switch (term.kind) {
    case kTermInvX:
    case kTermInvX2:
    case kTermInvX3:
    case kTermInvX4: return x;
    case kTermInvLn: return std::log(x);
    case kTermRatio: return x2;
    case kRationalDenominator: return 1.0 - workspace.coefficients[1] * x;
    default: return 1.0;
  }
}

}  // namespace

EquationPoint EquationPointAt(const FitWorkspace& workspace, const double* variables) {
  constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
  const Candidate& candidate = workspace.candidate;
  EquationPoint point;
  std::uint32_t bit = 1;
  const auto side = [&](double denominator) {
    if (denominator < 0.0) point.poleSide |= bit;
    bit <<= 1;
  };
  for (int j = 0; j < candidate.termCount; ++j) {
    const Term& term = candidate.terms[static_cast<size_t>(j)];
    const double x = variables[term.variable];
    const double x2 = variables[term.variable2];
    double column = 0.0;
    if (!TermColumnValue(term.kind, x, x2, 0.0, column)) return {kNoValue, 0};
    side(Denominator(workspace, term, x, x2));
  }
  const double transformed = TransformedEquationValue(workspace, variables);
  if (!HasBackTransform(candidate.set, transformed)) return {kNoValue, 0};
  if (candidate.set == EquationSet::Reciprocal) side(transformed);
  point.value = BackTransform(candidate.set, transformed);
  return point;
}

}  // namespace rv
