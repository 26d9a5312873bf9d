#include "stats/ui/criteria_page.h"

#include <QFontInfo>
#include <QFontMetrics>
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
constexpr int kLineWidth = 174;
// The figures, one a line from here down, left of the intervals.
constexpr QRect kFirstLine = OnPage(20, 58, kLineWidth, kLineHeight);
constexpr int kSmallestPixelSize = 6;
// The intervals' list beside the figures: its box and heading strip.
const QRect kIntervalsBox = Corners(196, 52, 416, 226);
const QRect kIntervalsHeadingStrip = Corners(198, 54, 414, 72);

// The line in the page's font, or in a smaller one where its text would
// not fit the room before the intervals: no digit is cut.
void FitToWidth(QLabel* line) {
  QFont font = line->font();
  while (QFontMetrics(font).horizontalAdvance(line->text()) > kLineWidth &&
         QFontInfo(font).pixelSize() > kSmallestPixelSize)
    font.setPixelSize(QFontInfo(font).pixelSize() - 1);
  line->setFont(font);
}

// The intervals beside the figures, narrower than the other pages' lists:
// a coefficient by its letter, its bounds as the figures show F.
ListFrame IntervalsFrame() {
  return {kIntervalsBox,
          kIntervalsHeadingStrip,
          {{1, QStringLiteral("Lower 95%")}, {2, QStringLiteral("Upper 95%")}},
          {0, 1}};
}

}  // namespace

CriteriaPage::CriteriaPage(const EquationStatistics& statistics, const FitCriteria& criteria, QWidget* parent)
    : StatisticsPage(IntervalsFrame(), parent),
      list_(new ReportList(kListId, {{22, false}, {96, true}, {96, true}}, this)) {
  const std::vector<CriterionRow> rows = CriterionRows(criteria);
  for (size_t i = 0; i < rows.size(); ++i) {
    auto* line = new QLabel(QString::fromStdString(rows[i].name + "  =  " + rows[i].value), this);
    SetControlId(line, kFirstLineId + static_cast<int>(i));
    line->setGeometry(kFirstLine.translated(0, kLineHeight * static_cast<int>(i)));
    FitToWidth(line);
  }
  std::vector<std::vector<std::string>> intervals;
  const std::vector<IntervalRow> bounds = IntervalRows(statistics, criteria);
  for (size_t k = 0; k < bounds.size(); ++k)
    intervals.push_back({std::string(1, CoefficientLetter(static_cast<int>(k))), bounds[k].lower, bounds[k].upper});
  list_->setRows(intervals);
  headList(list_);
}

}  // namespace rv
