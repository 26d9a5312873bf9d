#include "regress/fit_workspace.h"
#include "regress/rational_form.h"
#include "regress/sum_of_squares.h"
#include "regress/y_form.h"

namespace rv {

namespace {

void ApplyYForm(FitWorkspace& ws, const SearchData& data, EquationSet set) {
  ws.domainFault = false;
  for (int i = 0; i < ws.pointCount; ++i) {
    const double y = data.values[i][0];
    ws.observedY[i] = y;
    double transformed;
    if (TransformY(set, y, transformed)) ws.transformedY[i] = transformed;
    else ws.domainFault = true;
  }
}

void BuildTerm(FitWorkspace& ws, const SearchData& data, int column, const Term& term) {
  if (TermAlwaysFaults(term)) {
    ws.domainFault = true;
    return;
  }
  for (int i = 0; i < ws.pointCount; ++i) {
    double value;
    if (TermColumnValue(term.kind, data.values[i][term.variable], data.values[i][term.variable2], ws.transformedY[i],
                        value))
      ws.design[i][column] = value;
    else ws.domainFault = true;
    if (term.kind == kRationalDenominator) ws.denominatorX[i] = data.values[i][term.variable];
  }
}

void BuildConstant(FitWorkspace& ws, int column) {
  for (int i = 0; i < ws.pointCount; ++i) ws.design[i][column] = 1.0;
  ws.constantColumn = column;
}

void SizeForPoints(FitWorkspace& ws, int points) {
  const auto size = static_cast<size_t>(points);
  if (ws.design.size() == size) return;
  ws.design.assign(size, {});
  ws.transformedY.assign(size, 0.0);
  ws.observedY.assign(size, 0.0);
  ws.denominatorX.assign(size, 0.0);
  ws.scoredY.assign(size, 0.0);
}

}  // namespace

void BuildCandidate(FitWorkspace& ws, const SearchData& data, const Candidate& candidate) {
  SizeForPoints(ws, data.pointCount);
  ws.pointCount = data.pointCount;
  ws.candidate = candidate;
  ws.text = EquationText(candidate);
  ApplyYForm(ws, data, candidate.set);
  for (int j = 0; j < candidate.termCount; ++j) BuildTerm(ws, data, j, candidate.terms[j]);
  BuildConstant(ws, candidate.termCount);
}

bool FitCandidate(FitWorkspace& ws, std::int64_t ordinal) {
  if (ws.domainFault) return false;
  const int p = ws.constantColumn;
  const int m = p + 1;
  auto& a = ws.normalMatrix;
  auto& b = ws.normalVector;
  auto& c = ws.coefficients;
  for (int r = 0; r < m; ++r) {
    for (int col = 0; col < m; ++col) a[r][col] = 0.0;
    b[r] = 0.0;
  }
  for (int i = 0; i < ws.pointCount; ++i) {
    const auto& d = ws.design[i];
    for (int r = 0; r < m; ++r) {
      for (int col = 0; col < m; ++col) a[r][col] += d[r] * d[col];
      b[r] += ws.transformedY[i] * d[r];
    }
  }
  for (int k = 0; k < p; ++k) {
    for (int r = k + 1; r <= p; ++r) {
      const double f = a[r][k] / a[k][k];
      for (int col = k; col <= p; ++col) a[r][col] = a[r][col] - f * a[k][col];
      b[r] = b[r] - f * b[k];
    }
  }
  for (int k = p; k >= 0; --k) {
    c[k] = b[k] / a[k][k];
    for (int r = 0; r < k; ++r) b[r] = b[r] - c[k] * a[r][k];
  }
  ws.lastFittedOrdinal = ordinal;
  return true;
}

double FittedValue(const FitWorkspace& ws, int point) {
  const auto& row = ws.design[point];
  const auto& c = ws.coefficients;
  if (ws.candidate.rational) return RationalValue(c[0], c[1], c[2], row[0], ws.denominatorX[point]);
  double fitted = 0.0;
  for (int j = 0; j <= ws.constantColumn; ++j) fitted += row[j] * c[j];
  return fitted;
}

double ScoreCandidate(FitWorkspace& ws) {
  const EquationSet set = ws.candidate.set;
  std::vector<double>& observed = ws.scoredY;
  double ssRes = 0.0;
  for (int i = 0; i < ws.pointCount; ++i) {
    const double yhat = BackTransform(set, FittedValue(ws, i));
    const double y = BackTransform(set, ws.transformedY[i]);
    observed[static_cast<size_t>(i)] = y;
    ssRes += (y - yhat) * (y - yhat);
  }
  ws.lastScore = {ssRes, SumOfSquaresAboutMean(observed.data(), ws.pointCount), ws.pointCount, ws.coefficientCount()};
  ws.lastRSquared = ws.lastScore.rSquared();
  return ws.lastRSquared;
}

double TransformedEquationValue(const FitWorkspace& ws, const double* variables) {
  const Candidate& candidate = ws.candidate;
  const auto& c = ws.coefficients;
  if (candidate.rational) {
    const Term& numerator = candidate.terms[0];
    double u = 0.0;
    TermColumnValue(numerator.kind, variables[numerator.variable], 0.0, 0.0, u);
    const double x = variables[candidate.terms[1].variable];
    return RationalValue(c[0], c[1], c[2], u, x);
  }
  const int p = ws.constantColumn;
  double sum = c[p];
  for (int j = 0; j < p; ++j) {
    const Term& term = candidate.terms[j];
    sum += c[j] * TermFunction(term.kind, variables[term.variable], variables[term.variable2]);
  }
  return sum;
}

double EvaluateEquation(const FitWorkspace& ws, const double* variables) {
  return BackTransform(ws.candidate.set, TransformedEquationValue(ws, variables));
}

}  // namespace rv
