#include <cmath>
#include <limits>

#include "regress/fit_workspace.h"
#include "regress/leave_one_out.h"
#include "regress/point_sums.h"
#include "regress/rational_form.h"
#include "regress/score_scale.h"
#include "regress/scoring_order.h"
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
  ws.fitted.assign(size, 0.0);
}

}  // namespace

void BuildCandidate(FitWorkspace& ws, const SearchData& data, const Candidate& candidate,
                    const std::vector<int>* scoringOrder) {
  SizeForPoints(ws, data.pointCount);
  ws.pointCount = data.pointCount;
  if (scoringOrder != nullptr) ws.scoringOrder = *scoringOrder;
  else ws.scoringOrder = ScoringOrder(data);
  ws.candidate = candidate;
  ws.text = EquationText(candidate);
  ApplyYForm(ws, data, candidate.set);
  ws.weights = WeightsOfForm(data, candidate.set);
  ws.weightSum = WeightSum(ws.weights.rootWeight, ws.pointCount);
  if (!ws.weights.usable) ws.domainFault = true;
  for (int j = 0; j < candidate.termCount; ++j) BuildTerm(ws, data, j, candidate.terms[j]);
  BuildConstant(ws, candidate.termCount);
}

bool FitCandidate(FitWorkspace& ws, std::int64_t ordinal) {
  ws.verdict = FitVerdict::OutsideRange;
  if (ws.domainFault) return false;
  ws.verdict = FitVerdict::Unresolved;
  const int p = ws.constantColumn;
  const int n = ws.pointCount;
  if (!CanEnterList(p + 1, n)) return false;
  const size_t points = static_cast<size_t>(n);
  const std::vector<int>& order = ws.scoringOrder;
  // Standardised in point order, then taken in the scoring order.
  auto inScoringOrder = [&](const std::vector<double>& byPoint) {
    std::vector<double> ordered(points);
    for (size_t k = 0; k < points; ++k) ordered[k] = byPoint[static_cast<size_t>(order[k])];
    return ordered;
  };
  const double* rootWeights = ws.weights.weighted() ? ws.weights.rootWeight.data() : nullptr;
  std::vector<double> standard(points, 0.0);
  StandardiseColumn(ws.transformedY.data(), n, standard.data(), ws.yScale, rootWeights);
  ws.standardY = inScoringOrder(standard);
  std::vector<double> values(points);
  std::vector<std::vector<double>> ordered(static_cast<size_t>(p));
  std::vector<const double*> columns;
  std::vector<double> rankReferences;
  for (int j = 0; j < p; ++j) {
    for (int i = 0; i < n; ++i) values[static_cast<size_t>(i)] = ws.design[static_cast<size_t>(i)][j];
    const ColumnScale& scale = ws.columnScales[j];
    if (StandardiseColumn(values.data(), n, standard.data(), ws.columnScales[j], rootWeights) != ColumnSpread::Varies)
      return false;
    ordered[static_cast<size_t>(j)] = inScoringOrder(standard);
    const double* column = ordered[static_cast<size_t>(j)].data();
    columns.push_back(column);
    rankReferences.push_back(RankReference(PointDot(column, column, n), scale.mean, scale.length, ws.weightSum,
                                           HasComputedValues(ws.candidate.terms[static_cast<size_t>(j)].kind)));
  }
  if (!FactoriseColumns(columns, rankReferences, ws.standardY.data(), n, ws.factors)) return false;

  // Back to the columns as they are: x = mean + length z, y = mean + length z.
  const std::vector<double> b = ws.factors.solve();
  auto& c = ws.coefficients;
  c[p] = ws.yScale.mean;
  for (int j = 0; j < p; ++j) {
    c[j] = b[static_cast<size_t>(j)] * ws.yScale.length / ws.columnScales[j].length;
    c[p] = c[p] - c[j] * ws.columnScales[j].mean;
  }
  for (size_t k = 0; k < points; ++k)
    ws.fitted[static_cast<size_t>(order[k])] = StandardFittedValue(ws, k, ws.factors.residual[k]);
  ws.verdict = FitVerdict::Fitted;
  ws.lastFittedOrdinal = ordinal;
  return true;
}

namespace {

// The leave-one-out sum of a linear candidate; not a number where some point
// fixes its own fitted value.
double LeaveOneOutSum(const FitWorkspace& ws, const std::vector<double>& pointScale) {
  const std::vector<double> inOrder = [&] {
    std::vector<double> weights;
    if (ws.weights.weighted())
      for (const int i : ws.scoringOrder) weights.push_back(ws.weights.rootWeight[static_cast<size_t>(i)]);
    return weights;
  }();
  const std::vector<double> hat = HatValues(ws.factors, ConstantShares(inOrder, ws.weightSum, ws.pointCount));
  double press = 0.0;
  for (size_t k = 0; k < hat.size(); ++k) {
    const double oneLess = 1.0 - hat[k];
    if (!HasLeaveOneOut(oneLess)) return std::numeric_limits<double>::quiet_NaN();
    const size_t i = static_cast<size_t>(ws.scoringOrder[k]);
    const double left = StandardFittedValue(ws, k, ws.factors.residual[k] / oneLess);
    const double difference = (ws.scoredY[i] - BackTransform(ws.candidate.set, left)) * pointScale[i];
    press += difference * difference;
  }
  return press;
}

}  // namespace

double ScoreCandidate(FitWorkspace& ws, bool leaveOneOut) {
  const EquationSet set = ws.candidate.set;
  std::vector<double>& observed = ws.scoredY;
  for (int i = 0; i < ws.pointCount; ++i) observed[static_cast<size_t>(i)] = BackTransform(set, ws.transformedY[i]);
  const ScoreScale scale = MakeScoreScale(observed, ws.weights, ws.pointCount);
  double ssRes = 0.0;
  for (const int i : ws.scoringOrder) {
    const size_t point = static_cast<size_t>(i);
    const double difference = (observed[point] - BackTransform(set, FittedValue(ws, i))) * scale.pointScale[point];
    ssRes += difference * difference;
  }
  ws.lastScore = {ssRes, scale.sst, ws.pointCount, ws.coefficientCount(), scale.squaresExponent};
  if (leaveOneOut && !ws.candidate.rational) ws.lastScore.press = LeaveOneOutSum(ws, scale.pointScale);
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
