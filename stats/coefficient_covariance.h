#pragma once

#include <array>
#include <vector>

#include "regress/fit_workspace.h"

namespace rv {

// The values an equation's coefficients multiply at one point: term j's
// value at terms[j] (the constant's 1 is implied). A rational equation
// (a u + c) / (1 - b x) keeps u at terms[0] and x in denominatorX.
struct TermValues {
  std::array<double, kMaxCandidateColumns> terms{};
  double denominatorX = 0.0;
};

// 1 / sigma of the transformed Y at a data point, 1 without weights.
double RootWeight(const FitWorkspace& workspace, int point);

// The term values at data point `point`, as the fit's design holds them.
TermValues TermValuesAtPoint(const FitWorkspace& workspace, int point);

// The term values at single variable values (variables[k] is Xk); false
// where a term leaves its domain.
bool TermValuesAt(const FitWorkspace& workspace, const double* variables, TermValues& values);

// The derivatives of a rational equation (a u + c) / (1 - b x) by a, b and c
// at one point: it is not linear in b, so these stand in for its columns.
std::array<double, 3> RationalGradient(const FitWorkspace& workspace, const TermValues& values);

// RationalGradient at every data point, one column per coefficient, each
// point's row times its root weight in a weighted fit.
std::vector<std::vector<double>> RationalSensitivityColumns(const FitWorkspace& workspace);

// W = U^-1 of the fit's unit upper triangular U, row by row (w[j][k] for
// j <= k): with Z = A U, (Z'Z)^-1 = W D^-1 W', D the squared lengths of A's
// columns.
std::vector<std::vector<double>> UnitTriangularInverse(const OrthogonalFactors& factors, int columns);

// The coefficients' covariance on the transformed scale of Y, kept in the
// factored form the fit gives it so that no product of raw columns loses
// the digits of data with offsets. For a linear equation it lives in the
// standardised scale of the fit: the fitted value at a point is the mean of
// the transformed Y plus yScale times the sum of beta_j z_j, with z_j the
// term standardised by its column's mean and length; the mean is
// independent of the centred terms. For a rational equation it is the
// inverse of J'J, J the derivatives of the equation by its coefficients at
// the data points, through the triangular factor of J.
struct CoefficientCovariance {
  bool defined = false;  // false without residual degrees of freedom or with a singular J
  int residualDf = 0;
  // s^2 in the covariance's own units: the transformed scale for a rational
  // equation, the standardised one for a linear one, where yScale (the
  // transformed Y's length) turns a standard deviation back into the
  // transformed scale. Multiplying by it last keeps every square in range.
  double residualVariance = 0.0;
  double yScale = 1.0;
  int points = 0;
  double weightSum = 0.0;  // of the points' weights: the point count without weights
  std::vector<std::vector<double>> w;
  std::vector<double> inverseSquares;
  std::vector<ColumnScale> columnScales;
  std::vector<std::vector<double>> rationalFactor;  // R of J = QR, column by column
};

// The covariance of the equation the workspace holds, from its own fit.
CoefficientCovariance BuildCoefficientCovariance(const FitWorkspace& workspace);

// g' C g, with g the gradient of the fitted transformed value by the
// coefficients at a point (its term values and 1, or RationalGradient) and C
// the unscaled covariance: s^2 times it is the variance of the fitted value
// there.
double UnscaledVarianceAt(const CoefficientCovariance& covariance, const FitWorkspace& workspace,
                          const TermValues& values);

}  // namespace rv
