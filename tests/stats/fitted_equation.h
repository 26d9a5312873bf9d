#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "regress/fit_workspace.h"
#include "regress/y_form.h"
#include "support/search_sheets.h"

namespace rv::testing {

inline Candidate MakeCandidate(EquationSet set, std::initializer_list<Term> terms, bool rational = false) {
  Candidate candidate;
  candidate.set = set;
  candidate.rational = rational;
  for (const Term& term : terms) candidate.add(term);
  return candidate;
}

// Fits the candidate to the rows exactly as the program re-creates an equation;
// weighted by the sigmas of Y in X16 where asked.
inline FitWorkspace FitEquation(const std::vector<std::vector<double>>& rows, const Candidate& candidate,
                                bool weighted = false) {
  SearchData data = SheetFromRows(rows);
  data.weighted = weighted;
  FitWorkspace workspace;
  BuildCandidate(workspace, data, candidate);
  EXPECT_TRUE(FitCandidate(workspace, 1)) << workspace.text;
  ScoreCandidate(workspace);
  return workspace;
}

// A workspace holding an equation with given coefficients, for the texts
// that depend only on the equation and its coefficients.
inline FitWorkspace EquationWithCoefficients(const Candidate& candidate, std::initializer_list<double> coefficients) {
  FitWorkspace workspace;
  workspace.candidate = candidate;
  workspace.text = EquationText(candidate);
  workspace.constantColumn = candidate.termCount;
  size_t k = 0;
  for (const double c : coefficients) workspace.coefficients[k++] = c;
  return workspace;
}

}  // namespace rv::testing
