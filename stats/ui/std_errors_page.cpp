#include "stats/ui/std_errors_page.h"

#include "stats/ui/list_frame.h"
#include "stats/ui/report_list.h"
#include "stats/ui/statistics_layout.h"

namespace rv {

namespace {

// The list fills the page: its box and heading strip.
const QRect kListBox = Corners(20, 52, 416, 226);
const QRect kHeadingStrip = Corners(22, 54, 414, 72);

ListFrame StdErrorsFrame() {
  return {kListBox,
          kHeadingStrip,
          {{0, QStringLiteral("Term")},
           {1, QStringLiteral("Std Error")},
           {2, QStringLiteral("t Stat")},
           {3, QStringLiteral("P Value")}},
          {0, 1, 2, 3}};
}

}  // namespace

StdErrorsPage::StdErrorsPage(const EquationStatistics& statistics, QWidget* parent)
    : StatisticsPage(StdErrorsFrame(), parent),
      list_(new ReportList(kListId, {{80, false}, {88, true}, {88, true}, {88, true}}, this)) {
  std::vector<std::vector<std::string>> rows;
  for (const TermRow& row : statistics.termRows) rows.push_back({row.label, row.stdError, row.tStat, row.pValue});
  list_->setRows(rows);
  headList(list_);
}

}  // namespace rv
