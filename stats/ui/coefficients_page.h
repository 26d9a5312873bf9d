#pragma once

#include "stats/statistics_pass.h"
#include "stats/ui/statistics_page.h"

namespace rv {

class ReportList;

// Page 0 of the statistics dialog: the regression statistics, the ANOVA
// table and the coefficient list.
class CoefficientsPage : public StatisticsPage {
  Q_OBJECT
 public:
  static constexpr int kListId = 123;

  CoefficientsPage(const EquationStatistics& statistics, QWidget* parent);

  ReportList* list() const { return list_; }

 protected:
  void paintDecorations(QPainter& painter) override;

 private:
  ReportList* list_;
};

}  // namespace rv
