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

// A weighted fit's list has the normalised residual, the difference over
// sigma, after Pct Diff.
bool Weighted(const EquationStatistics& statistics) {
  return !statistics.residualRows.empty() && !statistics.residualRows.front().normalised.empty();
}

// The list's box; its heading strip leaves room at the right for the chart
// button, and the chart takes the strip's width from the strip down.
const QRect kListBox = Corners(20, 52, 416, 226);
const QRect kHeadingStrip = Corners(22, 54, 394, 72);
constexpr QSize kChartButtonPictureSize(16, 14);

ListFrame ResidualsFrame(bool weighted) {
  std::vector<QString> headings = {QStringLiteral("n"), QStringLiteral("Y Obs"), QStringLiteral("Y Calc"),
                                   QStringLiteral("Difference"), QStringLiteral("Pct Diff")};
  if (weighted) headings.push_back(QStringLiteral("Normalised"));
  for (const char* band : {"Conf Low", "Conf High", "Pred Low", "Pred High"})
    headings.push_back(QString::fromLatin1(band));
  ListFrame frame{kListBox, kHeadingStrip, {}, {}};
  for (size_t c = 0; c < headings.size(); ++c) {
    frame.headings.push_back({static_cast<int>(c), headings[c]});
    frame.separatorsAfter.push_back(static_cast<int>(c));
  }
  return frame;
}

std::vector<ReportColumn> ResidualColumns(bool weighted) {
  std::vector<ReportColumn> columns = {{30, false}, {88, true}, {88, true}, {88, true}, {76, true}};
  if (weighted) columns.push_back({76, true});
  columns.insert(columns.end(), 4, {88, true});
  return columns;
}

}  // namespace

ResidualsPage::ResidualsPage(const EquationStatistics& statistics, QWidget* parent)
    : StatisticsPage(ResidualsFrame(Weighted(statistics)), parent),
      list_(new ReportList(kListId, ResidualColumns(Weighted(statistics)), this)),
      chart_(new ObsCalcChart(statistics.residuals, this)),
      filler_(new QWidget(this)),
      chartButton_(new PictureButton(QStringLiteral("&G"),
                                     ResourcePicture(QStringLiteral("CHRT"), kChartButtonPictureSize), kChartButtonId,
                                     this)) {
  std::vector<std::vector<std::string>> rows;
  for (size_t i = 0; i < statistics.residualRows.size(); ++i) {
    const ResidualRow& row = statistics.residualRows[i];
    const BandRow& band = statistics.bandRows[i];
    std::vector<std::string> cells = {row.number, row.yObs, row.yCalc, row.difference, row.pctDiff};
    if (Weighted(statistics)) cells.push_back(row.normalised);
    cells.insert(cells.end(), {band.confidenceLow, band.confidenceHigh, band.predictionLow, band.predictionHigh});
    rows.push_back(cells);
  }
  list_->setRows(rows);
  list_->setToolTip(QString::fromStdString(statistics.bandHeading));
  headList(list_);

  const QRect list = ListPlace({kListBox, kHeadingStrip, {}, {}});
  chart_->setGeometry(
      OnPage(Corners(kHeadingStrip.left(), kHeadingStrip.top(), kHeadingStrip.right() + 1, list.bottom() + 1)));
  SetControlId(filler_, kFillerId);
  filler_->setGeometry(OnPage(Corners(kHeadingStrip.right() + 1, list.top(), list.right() + 1, list.bottom() + 1)));
  filler_->setAutoFillBackground(true);
  QPalette white = filler_->palette();
  white.setColor(QPalette::Window, Qt::white);
  filler_->setPalette(white);

  chartButton_->setGeometry(
      OnPage(Corners(kHeadingStrip.right() + 1, kHeadingStrip.top(), list.right() + 1, kHeadingStrip.bottom() + 1)));
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
