#pragma once

#include "stats/statistics_pass.h"
#include "stats/ui/statistics_page.h"

namespace rv {

class ObsCalcChart;
class PictureButton;
class ReportList;

// Page 1 of the statistics dialog: the residual of every point, as a list
// or, in chart mode, as the observed-versus-calculated chart. The chart
// button switches between them; its pressed state shows the mode.
class ResidualsPage : public StatisticsPage {
  Q_OBJECT
 public:
  static constexpr int kChartButtonId = 201;
  static constexpr int kListId = 202;
  static constexpr int kFillerId = 204;

  ResidualsPage(const EquationStatistics& statistics, QWidget* parent);

  bool chartMode() const { return chartMode_; }
  void setChartMode(bool chartMode);
  // The control that takes the focus when the page shows: the list in list mode.
  QWidget* focusControl() const;

  ReportList* list() const { return list_; }
  ObsCalcChart* chart() const { return chart_; }

 private:
  bool chartMode_ = false;
  ReportList* list_;
  ObsCalcChart* chart_;
  QWidget* filler_;
  PictureButton* chartButton_;
};

}  // namespace rv
