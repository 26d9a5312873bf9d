#pragma once

#include <cstdint>
#include <vector>

#include "regress/search_data.h"
#include "regress/standard_column.h"
#include "regress/term_kind.h"
#include "regress/y_uncertainty.h"

namespace rv {

// Every term column a search can build from the sheet, computed and
// standardised once (regress/standard_column.h): each ordinary kind on each
// variable, the two-variable kinds on each pair. The standardised values lie
// in the scoring order (regress/scoring_order.h), each column padded with
// zeros to PaddedPoints. A fit weighted by 1 / sigma^2 standardises its
// columns with the weights of its Y form, so such a search keeps one bank per
// Y form.
// On a long sheet the pairs' columns would outweigh the rest (210 of 420
// columns at fifteen variables, 168 MB at 100,000 points): beyond
// kStoredBytes the bank keeps only their standardising steps and makes such
// a column again, to the same bits, where a walk needs it (makeColumn).
class ColumnBank {
 public:
  static constexpr int kSingleVariableKinds = 14;  // kinds 1 to 14 use one variable
  // The most a bank stores, by default, of columns that it can make again.
  static constexpr double kStoredBytes = 128.0 * 1024 * 1024;

  // weights: those of one Y form, or none (FormWeights::weighted).
  // storedBytes: the most the bank stores of columns it can make again.
  explicit ColumnBank(const SearchData& data, const FormWeights& weights = {}, double storedBytes = kStoredBytes);

  int pointCount() const { return points_; }
  int columnCount() const { return columns_; }
  // Values of a column are stored with this stride.
  int stride() const { return stride_; }
  // ScoringOrder of the sheet: scoringOrder()[k] is the point stored k-th.
  const std::vector<int>& scoringOrder() const { return order_; }

  // The column of an ordinary term; -1 for a two-variable kind without a
  // second variable, which can never be built. Candidates only pair a
  // variable with a later one, so the two-variable kinds exist only for
  // variable2 > variable.
  int id(int kind, int variable, int variable2) const {
    // The columns of one variable lie together, so that a candidate's
    // columns, which mostly share variables, lie close in memory.
    const int first = firstOfVariable_[static_cast<size_t>(variable)];
    if (!UsesSecondVariable(kind)) return first + (kind - 1);
    if (variable2 <= variable) return -1;
    return first + kSingleVariableKinds + (kind - kTermProduct) * (variables_ - variable) + (variable2 - variable - 1);
  }

  // 1 when some point fails the column's guard, else 0.
  std::uint8_t faulted(int id) const { return faulted_[static_cast<size_t>(id)]; }
  // False for a column that does not vary beyond the rounding of its values:
  // the rank test refuses every candidate that holds it.
  bool varies(int id) const { return varies_[static_cast<size_t>(id)] != 0; }
  // The standardised values of a column that varies: the stored ones, or
  // those made again into `room` (stride() values, zeros past the points).
  const double* makeColumn(int id, double* room) const { return stores(id) ? column(id) : makeAgain(id, room); }
  // A column's squared length and its RankReference, as the plain fit
  // computes them.
  double squaredLength(int id) const { return squaredLengths_[static_cast<size_t>(id)]; }
  double rankReference(int id) const { return rankReferences_[static_cast<size_t>(id)]; }
  // The sum over the points (PointDot's) of every column that varies with
  // `y` (stride() values in the scoring order), by id; 0 for the others.
  std::vector<double> sumsWith(const double* y) const;
  // The sum over the points (PointDot's) of two standardised columns, kept
  // for sheets of up to kPairSumPoints points, where they cost little.
  static constexpr int kPairSumPoints = 4096;
  bool hasPairSums() const { return !pairSums_.empty(); }
  double pairSum(int a, int b) const {
    return pairSums_[static_cast<size_t>(a) * static_cast<size_t>(columns_) + static_cast<size_t>(b)];
  }

 private:
  // Whether the bank holds the column's values; a column it does not hold
  // (a two-variable one of a long sheet) is made again by makeAgain.
  bool stores(int id) const { return slot_[static_cast<size_t>(id)] >= 0; }
  const double* column(int id) const {
    return values_.data() + static_cast<size_t>(slot_[static_cast<size_t>(id)]) * static_cast<size_t>(stride_);
  }
  const double* makeAgain(int id, double* room) const;

  int points_;
  int variables_;
  std::vector<int> firstOfVariable_;  // the first column of each variable, by variable number
  int columns_;
  int stride_;
  std::vector<int> order_;
  std::vector<int> slot_;  // by id: the column's place in values_, -1 when it is made on demand
  std::vector<double> values_;
  // For the columns made on demand: each one's kind and variables, its
  // standardising steps, and the variables and root weights in the scoring
  // order they are made from.
  std::vector<Term> terms_;
  std::vector<StandardSteps> steps_;
  std::vector<double> variablesInOrder_;  // variable v at (v - 1) * points
  std::vector<double> rootWeightsInOrder_;
  std::vector<std::uint8_t> faulted_;
  std::vector<std::uint8_t> varies_;
  std::vector<double> squaredLengths_;
  std::vector<double> rankReferences_;
  std::vector<double> pairSums_;
};

}  // namespace rv
