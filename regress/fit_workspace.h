#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "regress/candidate.h"
#include "regress/ranking_criterion.h"
#include "regress/search_data.h"

namespace rv {

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
  std::array<std::array<double, kMaxCandidateColumns>, kMaxCandidateColumns> normalMatrix{};
  std::array<double, kMaxCandidateColumns> normalVector{};
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
void BuildCandidate(FitWorkspace& workspace, const SearchData& data, const Candidate& candidate);

// Normal equations accumulated point by point over both triangles, Gaussian
// elimination without pivoting, back substitution. False when the candidate
// has a domain fault; a singular system is left to the score to reject.
bool FitCandidate(FitWorkspace& workspace, std::int64_t ordinal);

// The fitted value at one data point on the transformed scale of Y: the sum of
// coefficient times design value in column order, or for a rational
// candidate the value of its equation (a u + c) / (1 - b x).
double FittedValue(const FitWorkspace& workspace, int point);

// R squared on the untransformed scale of Y, comparing every point's
// BackTransform of its fitted value with its observation mapped to the
// transformed scale and back: 1 - SSE / SST, SST taken about the mean of
// those observations (SumOfSquaresAboutMean). Kept as lastRSquared, with its
// sums as lastScore.
double ScoreCandidate(FitWorkspace& workspace);

// The fitted equation evaluated for single variable values; variables[k] is
// the value of Xk (index 0 is not used). A rational equation is evaluated as
// a whole, by the steps of its fitted values, so at a data point it gives
// exactly the Y its score and statistics use.
double EvaluateEquation(const FitWorkspace& workspace, const double* variables);

// The same equation's value before the back transform, on the scale it was
// fitted on.
double TransformedEquationValue(const FitWorkspace& workspace, const double* variables);

}  // namespace rv
