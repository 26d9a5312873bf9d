#include "stats/ui/residuals_page.h"

#include "stats/ui/list_frame.h"
#include "stats/ui/obs_calc_chart.h"
#include "stats/ui/picture_button.h"
#include "stats/ui/report_list.h"
#include "stats/ui/statistics_layout.h"
#include "widgets/control_id.h"
#include "widgets/resource_pictures.h"

namespace rv {

namespace {

ListFrame ResidualsFrame() {
  return {Corners(20, 52, 416, 226),
          Corners(22, 54, 394, 72),
          {{0, QStringLiteral("n")},
           {1, QStringLiteral("Y Obs")},
           {2, QStringLiteral("Y Calc")},
           {3, QStringLiteral("Difference")},
           {4, QStringLiteral("Pct Diff")},
           {5, QStringLiteral("Conf Low")},
           {6, QStringLiteral("Conf High")},
           {7, QStringLiteral("Pred Low")},
           {8, QStringLiteral("Pred High")}},
          {0, 1, 2, 3, 4, 5, 6, 7, 8}};
}

}  // namespace

ResidualsPage::ResidualsPage(const EquationStatistics& statistics, QWidget* parent)
    : StatisticsPage(ResidualsFrame(), parent),
      list_(new ReportList(
          kListId,
          {{30, false}, {88, true}, {88, true}, {88, true}, {76, true}, {88, true}, {88, true}, {88, true}, {88, true}},
          this)),
      chart_(new ObsCalcChart(statistics.residuals, this)),
      filler_(new QWidget(this)),
      chartButton_(new PictureButton(QStringLiteral("&G"), ResourcePicture(QStringLiteral("CHRT"), QSize(16, 14)),
                                     kChartButtonId, this)) {
  list_->setGeometry(OnPage(22, 72, 392, 152));
  std::vector<std::vector<std::string>> rows;
  for (size_t i = 0; i < statistics.residualRows.size(); ++i) {
    const ResidualRow& row = statistics.residualRows[i];
    const BandRow& band = statistics.bandRows[i];
    rows.push_back({row.number, row.yObs, row.yCalc, row.difference, row.pctDiff, band.confidenceLow,
                    band.confidenceHigh, band.predictionLow, band.predictionHigh});
  }
  list_->setRows(rows);
  list_->setToolTip(QString::fromStdString(statistics.bandHeading));
  headList(list_);

  chart_->setGeometry(OnPage(22, 54, 372, 170));
  SetControlId(filler_, kFillerId);
  filler_->setGeometry(OnPage(394, 72, 20, 152));
  filler_->setAutoFillBackground(true);
  QPalette white = filler_->palette();
  white.setColor(QPalette::Window, Qt::white);
  filler_->setPalette(white);

  chartButton_->setGeometry(OnPage(394, 54, 20, 18));
  chartButton_->setCheckable(true);
  connect(chartButton_, &QPushButton::clicked, this, [this] { setChartMode(!chartMode_); });
  setChartMode(false);
}

void ResidualsPage::setChartMode(bool chartMode) {
  chartMode_ = chartMode;
  chartButton_->setChecked(chartMode);
  list_->setVisible(!chartMode);
  chart_->setVisible(chartMode);
  filler_->setVisible(chartMode);
  chartButton_->raise();
  if (!chartMode && isVisible()) list_->setFocus();
}

QWidget* ResidualsPage::focusControl() const { return chartMode_ ? nullptr : list_; }

}  // namespace rv
