#pragma once

#include <cstdint>
#include <vector>

#include "regress/search_data.h"
#include "regress/term_kind.h"
#include "sheet/equation_set.h"

namespace rv {

// Every term column a search can build from the sheet, computed once: each
// ordinary kind on each variable (the two-variable kinds on each pair), and
// the constant. Beside them, every normal-equation entry the fit can need:
// entry (a, b) is the sum over the points, in point order, of column a times
// column b, which is exactly the sum the fit accumulates point by point.
class ColumnBank {
 public:
  static constexpr int kSingleVariableKinds = 14;  // kinds 1 to 14 use one variable

  // The sums are worked out on `threads` threads.
  explicit ColumnBank(const SearchData& data, int threads = 1);

  int pointCount() const { return points_; }
  int columnCount() const { return columns_; }
  // Values of a column are stored with this stride; entries past the last
  // point are zero.
  int stride() const { return stride_; }
  // Columns hold the points in scoring order: the points whose Y lies
  // farthest from the mean come first, because a poor candidate's residuals
  // there rule it out soonest. scoringOrder()[k] is the point stored at k.
  const std::vector<int>& scoringOrder() const { return order_; }
  // Where point i is stored in scoring order.
  const std::vector<int>& scoringPosition() const { return position_; }

  // The column of an ordinary term; -1 for a two-variable kind without a
  // second variable, which can never be built. Candidates only pair a
  // variable with a later one, so the two-variable kinds exist only for
  // variable2 > variable.
  int id(int kind, int variable, int variable2) const {
    // The columns of one variable lie together, so that the sums of a
    // candidate, whose terms mostly share variables, lie close in memory.
    const int first = firstOfVariable_[static_cast<size_t>(variable)];
    if (!UsesSecondVariable(kind)) return first + (kind - 1);
    if (variable2 <= variable) return -1;
    return first + kSingleVariableKinds + (kind - kTermProduct) * (variables_ - variable) + (variable2 - variable - 1);
  }
  int constantId() const { return columns_ - 1; }

  // 1 when some point fails the column's guard, else 0.
  std::uint8_t faulted(int id) const { return faulted_[static_cast<size_t>(id)]; }
  // The first column holding exactly the same values; two columns with the
  // same representative make the normal equations singular.
  int representative(int id) const { return representative_[static_cast<size_t>(id)]; }
  // True when some column has a twin (a representative other than itself).
  bool hasTwins() const { return hasTwins_; }

  const double* column(int id) const { return values_.data() + static_cast<size_t>(id) * static_cast<size_t>(stride_); }
  // Entry (a, b) of the sums lies at a * columnCount() + b.
  const double* crossSums() const { return cross_.data(); }
  double cross(int a, int b) const {
    return cross_[static_cast<size_t>(a) * static_cast<size_t>(columns_) + static_cast<size_t>(b)];
  }

 private:
  int points_;
  int variables_;
  std::vector<int> firstOfVariable_;  // the first column of each variable, by variable number
  int columns_;
  int stride_;
  std::vector<int> order_;
  std::vector<int> position_;
  std::vector<double> values_;
  std::vector<std::uint8_t> faulted_;
  std::vector<int> representative_;
  bool hasTwins_ = false;
  std::vector<double> cross_;
};

// What one equation set adds: its transformed Y, the observations mapped back
// (identical for every candidate of the set), the denominator of R squared,
// and the right-hand side of the normal equations for every column (summed
// in point order, like every sum of the fit).
struct SetScoring {
  EquationSet set = EquationSet::Y;
  bool yFault = false;
  std::vector<double> transformedY;
  std::vector<double> observed;  // BackTransform of the transformed Y, in scoring order, padded to the stride
  double denominator = 0.0;      // SST: SumOfSquaresAboutMean of the observations in point order
  std::vector<double> rightHandSide;
};

SetScoring PrepareSetScoring(const ColumnBank& bank, const SearchData& data, EquationSet set);

}  // namespace rv
