#pragma once

#include "stats/statistics_pass.h"
#include "stats/ui/statistics_page.h"

namespace rv {

class ReportList;

// Page 2 of the statistics dialog: each term's standard error, t statistic
// and P value.
class StdErrorsPage : public StatisticsPage {
  Q_OBJECT
 public:
  static constexpr int kListId = 301;

  StdErrorsPage(const EquationStatistics& statistics, QWidget* parent);

  ReportList* list() const { return list_; }

 private:
  ReportList* list_;
};

}  // namespace rv
