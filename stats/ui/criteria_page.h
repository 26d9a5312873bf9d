#pragma once

#include "stats/fit_criteria.h"
#include "stats/statistics_pass.h"
#include "stats/ui/statistics_page.h"

namespace rv {

class ReportList;

// The statistics dialog's Criteria page: the figures that weigh the fit
// against its number of coefficients (adjusted R squared, F and its P, AICc,
// BIC, the residual standard error) and each coefficient's 95 % interval.
class CriteriaPage : public StatisticsPage {
  Q_OBJECT
 public:
  static constexpr int kFirstLineId = 801;  // 801 to 806, a line per figure
  static constexpr int kListId = 810;

  CriteriaPage(const EquationStatistics& statistics, const FitCriteria& criteria, QWidget* parent);

  ReportList* list() const { return list_; }

 private:
  ReportList* list_;
};

}  // namespace rv
