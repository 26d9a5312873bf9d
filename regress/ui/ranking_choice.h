#pragma once

#include <QWidget>
#include <optional>

#include "regress/ranking_criterion.h"

class QComboBox;
class QLabel;

namespace rv {

// "Rank by" on the Equations tab: the criterion the next search ranks its
// list by, and under it the line that says which criterion ranked the list
// shown. Choosing reports the choice to the owner; it re-runs nothing. F1
// on the drop-down opens the help on choosing an equation.
class RankingChoice : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kId = 331;  // the drop-down; its help context on the main window
  static constexpr int kWidth = 84;

  explicit RankingChoice(QWidget* parent = nullptr);

  void showChoice(RankingCriterion criterion);
  // The criterion that ranked the list shown; none for a list no search made.
  void showListCriterion(std::optional<RankingCriterion> criterion);

  QComboBox* dropDown() const { return dropDown_; }
  QString listLine() const;

 signals:
  void chosen(rv::RankingCriterion criterion);

 private:
  QComboBox* dropDown_;
  QLabel* listed_;
};

}  // namespace rv
