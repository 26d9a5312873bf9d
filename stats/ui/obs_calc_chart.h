#pragma once

#include <QWidget>
#include <vector>

#include "stats/chart_points.h"
#include "stats/residual_table.h"

namespace rv {

// The observed-versus-calculated chart of the Residuals page: axes, the
// diagonal on which a perfect fit puts every point, the axis captions, and
// a red plus per data point.
class ObsCalcChart : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kId = 203;

  ObsCalcChart(const ResidualTable& table, QWidget* parent = nullptr);

  const std::vector<ChartPoint>& points() const { return points_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<ChartPoint> points_;
};

}  // namespace rv
