#include "stats/coefficient_covariance.h"

#include <cmath>

#include "regress/rational_form.h"
#include "stats/gram_inverse.h"

namespace rv {

namespace {

double RationalResidualSquares(const FitWorkspace& workspace) {
  double sum = 0.0;
  for (int i = 0; i < workspace.pointCount; ++i) {
    const double residual =
        (workspace.transformedY[static_cast<size_t>(i)] - FittedValue(workspace, i)) * RootWeight(workspace, i);
    sum += residual * residual;
  }
  return sum;
}

void AddRationalCovariance(const FitWorkspace& workspace, CoefficientCovariance& covariance) {
  auto factor = GramFactor(RationalSensitivityColumns(workspace));
  if (!factor) return;
  covariance.rationalFactor = std::move(*factor);
  covariance.residualVariance = RationalResidualSquares(workspace) / covariance.residualDf;
  covariance.defined = true;
}

void AddLinearCovariance(const FitWorkspace& workspace, CoefficientCovariance& covariance) {
  const OrthogonalFactors& factors = workspace.factors;
  const int p = workspace.constantColumn;
  double residualSquares = 0.0;
  for (const double r : factors.residual) residualSquares += r * r;
  covariance.residualVariance = residualSquares / covariance.residualDf;
  covariance.yScale = workspace.yScale.length;
  covariance.w = UnitTriangularInverse(factors, p);
  covariance.inverseSquares.assign(factors.inverseSquares.begin(), factors.inverseSquares.begin() + p);
  covariance.columnScales.assign(workspace.columnScales.begin(), workspace.columnScales.begin() + p);
  covariance.defined = true;
}

}  // namespace

double RootWeight(const FitWorkspace& workspace, int point) {
  return workspace.weights.weighted() ? workspace.weights.rootWeight[static_cast<size_t>(point)] : 1.0;
}

TermValues TermValuesAtPoint(const FitWorkspace& workspace, int point) {
  TermValues values;
  const auto& row = workspace.design[static_cast<size_t>(point)];
  for (int j = 0; j < workspace.constantColumn; ++j) values.terms[static_cast<size_t>(j)] = row[static_cast<size_t>(j)];
  if (workspace.candidate.rational) values.denominatorX = workspace.denominatorX[static_cast<size_t>(point)];
  return values;
}

bool TermValuesAt(const FitWorkspace& workspace, const double* variables, TermValues& values) {
  const Candidate& candidate = workspace.candidate;
  if (candidate.rational) {
    const Term& numerator = candidate.terms[0];
    values.denominatorX = variables[candidate.terms[1].variable];
    return TermColumnValue(numerator.kind, variables[numerator.variable], 0.0, 0.0, values.terms[0]);
  }
  for (int j = 0; j < candidate.termCount; ++j) {
    const Term& term = candidate.terms[static_cast<size_t>(j)];
    if (!TermColumnValue(term.kind, variables[term.variable], variables[term.variable2], 0.0,
                         values.terms[static_cast<size_t>(j)]))
      return false;
  }
  return true;
}

std::array<double, 3> RationalGradient(const FitWorkspace& workspace, const TermValues& values) {
  const auto& c = workspace.coefficients;
  const double u = values.terms[0];
  const double x = values.denominatorX;
  const double denominator = 1.0 - c[1] * x;
  return {u / denominator, RationalValue(c[0], c[1], c[2], u, x) * x / denominator, 1.0 / denominator};
}

std::vector<std::vector<double>> RationalSensitivityColumns(const FitWorkspace& workspace) {
  const auto n = static_cast<size_t>(workspace.pointCount);
  std::vector<std::vector<double>> columns(3, std::vector<double>(n));
  for (size_t i = 0; i < n; ++i) {
    const std::array<double, 3> gradient =
        RationalGradient(workspace, TermValuesAtPoint(workspace, static_cast<int>(i)));
    const double rootWeight = RootWeight(workspace, static_cast<int>(i));
    for (size_t k = 0; k < columns.size(); ++k) columns[k][i] = gradient[k] * rootWeight;
  }
  return columns;
}

std::vector<std::vector<double>> UnitTriangularInverse(const OrthogonalFactors& factors, int columns) {
  const auto p = static_cast<size_t>(columns);
  std::vector<std::vector<double>> w(p, std::vector<double>(p, 0.0));
  for (size_t j = 0; j < p; ++j) {
    std::vector<double>& row = w[j];
    row[j] = 1.0;
    for (size_t k = j + 1; k < p; ++k) {
      double sum = 0.0;
      for (size_t i = j; i < k; ++i) sum += row[i] * factors.uEntry(static_cast<int>(i), static_cast<int>(k));
      row[k] = -sum;
    }
  }
  return w;
}

CoefficientCovariance BuildCoefficientCovariance(const FitWorkspace& workspace) {
  CoefficientCovariance covariance;
  covariance.points = workspace.pointCount;
  covariance.weightSum = workspace.weightSum;
  covariance.residualDf = workspace.pointCount - workspace.coefficientCount();
  if (covariance.residualDf <= 0) return covariance;
  if (workspace.candidate.rational) AddRationalCovariance(workspace, covariance);
  else AddLinearCovariance(workspace, covariance);
  return covariance;
}

double UnscaledVarianceAt(const CoefficientCovariance& covariance, const FitWorkspace& workspace,
                          const TermValues& values) {
  if (workspace.candidate.rational) {
    const std::array<double, 3> gradient = RationalGradient(workspace, values);
    return GramInverseForm(covariance.rationalFactor, {gradient.begin(), gradient.end()});
  }
  // 1 / sum w for the (weighted) mean of the transformed Y, 1 / N without
  // weights, then z' W D^-1 W' z summed along the orthogonal columns.
  double share = 1.0 / covariance.weightSum;
  const size_t p = covariance.w.size();
  for (size_t k = 0; k < p; ++k) {
    double along = 0.0;
    for (size_t j = 0; j <= k; ++j) {
      const ColumnScale& scale = covariance.columnScales[j];
      along += (values.terms[j] - scale.mean) / scale.length * covariance.w[j][k];
    }
    share += along * along * covariance.inverseSquares[k];
  }
  return share;
}

}  // namespace rv
