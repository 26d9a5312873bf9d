#include "stats/ui/criteria_page.h"

#include <QLabel>

#include "stats/coefficient_letter.h"
#include "stats/criteria_text.h"
#include "stats/ui/list_frame.h"
#include "stats/ui/report_list.h"
#include "stats/ui/statistics_layout.h"
#include "widgets/control_id.h"

namespace rv {

namespace {

constexpr int kLineHeight = 18;

// The intervals beside the figures, narrower than the other pages' lists:
// a coefficient by its letter, its bounds as the figures show F.
ListFrame IntervalsFrame() {
  return {Corners(196, 52, 416, 226),
          Corners(198, 54, 414, 72),
          {{209, QStringLiteral("")}, {268, QStringLiteral("Lower 95%")}, {364, QStringLiteral("Upper 95%")}},
          {220, 316}};
}

}  // namespace

CriteriaPage::CriteriaPage(const EquationStatistics& statistics, const FitCriteria& criteria, QWidget* parent)
    : StatisticsPage(IntervalsFrame(), parent),
      list_(new ReportList(kListId, {{22, false}, {96, true}, {96, true}}, this)) {
  const std::vector<CriterionRow> rows = CriterionRows(criteria);
  for (size_t i = 0; i < rows.size(); ++i) {
    auto* line = new QLabel(QString::fromStdString(rows[i].name + "  =  " + rows[i].value), this);
    SetControlId(line, kFirstLineId + static_cast<int>(i));
    line->setGeometry(OnPage(20, 58 + kLineHeight * static_cast<int>(i), 174, kLineHeight));
  }
  list_->setGeometry(OnPage(198, 72, 216, 152));
  std::vector<std::vector<std::string>> intervals;
  const std::vector<IntervalRow> bounds = IntervalRows(statistics, criteria);
  for (size_t k = 0; k < bounds.size(); ++k)
    intervals.push_back({std::string(1, CoefficientLetter(static_cast<int>(k))), bounds[k].lower, bounds[k].upper});
  list_->setRows(intervals);
}

}  // namespace rv
