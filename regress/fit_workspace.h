#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "regress/candidate.h"
#include "regress/orthogonal_fit.h"
#include "regress/ranking_criterion.h"
#include "regress/rational_form.h"
#include "regress/search_data.h"
#include "regress/standard_column.h"
#include "regress/y_uncertainty.h"

namespace rv {

// Why a fit was given up, or that it was not.
enum class FitVerdict {
  Fitted,
  OutsideRange,  // a point fails the guard of the Y form or of a term
  Unresolved,    // the columns cannot be told apart in double precision (the rank test)
};

// The state one fit works in. After a fit it describes the current equation:
// its coefficients, design matrix, transform and text, which the statistics,
// the code generator and the graph read.
struct FitWorkspace {
  int pointCount = 0;
  // One entry per point: BuildCandidate sizes them to the data, so a
  // workspace that fits many candidates of one sheet allocates once.
  std::vector<std::array<double, kMaxCandidateColumns>> design;
  std::vector<double> transformedY;
  std::vector<double> observedY;
  // A rational candidate's denominator variable X_w at each point: its
  // equation, not its linearised design, gives the fitted values.
  std::vector<double> denominatorX;
  // Each point's transformed Y mapped back, as ScoreCandidate compares it.
  std::vector<double> scoredY;
  int constantColumn = 0;  // p: the number of terms
  bool domainFault = false;
  FitVerdict verdict = FitVerdict::OutsideRange;
  // The terms' columns and the transformed Y standardised, and the
  // factorisation of the one against the other, from which come the
  // coefficients, the fitted values and the statistics. The factors hold the
  // points in the scoring order (regress/scoring_order.h).
  std::array<ColumnScale, kMaxCandidateColumns> columnScales{};
  ColumnScale yScale;
  std::vector<int> scoringOrder;
  // The weights of the Y form by point, empty without uncertainties of Y,
  // and their sum (the point count without them).
  FormWeights weights;
  double weightSum = 0.0;
  std::vector<double> standardY;  // in the scoring order
  OrthogonalFactors factors;
  // Each point's fitted value on the transformed scale by the linear fit (a
  // rational candidate's linearised one; FittedValue gives its equation's).
  std::vector<double> fitted;
  std::array<double, kMaxCandidateColumns> coefficients{};
  Candidate candidate;
  std::string text;
  double lastRSquared = 0.0;
  ResidualScore lastScore;             // the sums lastRSquared came from
  std::int64_t lastFittedOrdinal = 0;  // 0: nothing fitted yet

  EquationSet set() const { return candidate.set; }
  int coefficientCount() const { return constantColumn + 1; }
};

// Applies the Y form, every term builder and the constant builder of a
// candidate, exactly as the search builds it: column j of the design matrix
// holds term j at each point, the last column the constant 1.0. A point that
// fails a guard raises the domain fault and leaves its entry as it was.
// `scoringOrder`: the sheet's ScoringOrder when the caller has it already.
void BuildCandidate(FitWorkspace& workspace, const SearchData& data, const Candidate& candidate,
                    const std::vector<int>* scoringOrder = nullptr);

// Fits the built candidate by the orthogonal factorisation of its
// standardised columns (regress/orthogonal_fit.h) and keeps its coefficients
// and fitted values. False, with the verdict saying why, when a point fails a
// guard, when the candidate has more coefficients than there are points, or
// when the rank test refuses a column.
bool FitCandidate(FitWorkspace& workspace, std::int64_t ordinal);

// The fitted value at one data point on the transformed scale of Y: the mean
// of the transformed Y plus its projection on the columns, or for a rational
// candidate the value of its equation (a u + c) / (1 - b x) with the
// coefficients as they stand (a caller may round them as a printout does).
inline double FittedValue(const FitWorkspace& workspace, int point) {
  const size_t i = static_cast<size_t>(point);
  if (workspace.candidate.rational)
    return RationalValue(workspace.coefficients[0], workspace.coefficients[1], workspace.coefficients[2],
                         workspace.design[i][0], workspace.denominatorX[i]);
  return workspace.fitted[i];
}

// R squared on the untransformed scale of Y, comparing every point's
// BackTransform of its fitted value with its observation mapped to the
// transformed scale and back: 1 - SSE / SST, SSE summed in the scoring order,
// SST taken about the mean of those observations (SumOfSquaresAboutMean),
// both on the squares' scale of the observations (SquaresExponent), and
// both weighted by 1 / sigma^2 of Y in a weighted fit (regress/score_scale.h).
// PRESS, the same sum of each point's observation less the BackTransform of
// its leave-one-out fitted value (regress/leave_one_out.h), is worked out
// too, except for a rational equation, which is not linear in its
// coefficients, or when not asked for (it costs more than the rest of the
// score). Kept as lastRSquared, with its sums as lastScore.
double ScoreCandidate(FitWorkspace& workspace, bool leaveOneOut = true);

// The fitted value on the transformed scale of the point taken k-th in the
// scoring order, from its standardised Y and the residual left of it (its
// leave-one-out residual for the leave-one-out fitted value): Y's mean plus
// Y's length times their difference, that times sigma of the transformed Y
// in a weighted fit.
inline double StandardFittedValue(const FitWorkspace& workspace, size_t k, double residual) {
  const double standard = workspace.standardY[k] - residual;
  if (!workspace.weights.weighted()) return workspace.yScale.mean + workspace.yScale.length * standard;
  const double sigma = workspace.weights.sigma[static_cast<size_t>(workspace.scoringOrder[k])];
  return workspace.yScale.mean + workspace.yScale.length * (standard * sigma);
}

// The fitted equation evaluated for single variable values; variables[k] is
// the value of Xk (index 0 is not used). A rational equation is evaluated as
// a whole, by the steps of its fitted values, so at a data point it gives
// exactly the Y its score and statistics use.
double EvaluateEquation(const FitWorkspace& workspace, const double* variables);

// The same equation's value before the back transform, on the scale it was
// fitted on.
double TransformedEquationValue(const FitWorkspace& workspace, const double* variables);

}  // namespace rv
