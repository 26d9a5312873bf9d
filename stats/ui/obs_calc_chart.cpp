#include "stats/ui/obs_calc_chart.h"

#include <QPainter>

#include "stats/ui/chart_picture.h"
#include "widgets/control_id.h"

namespace rv {

namespace {

// The chart's drawing, in pixels of the chart: the axes meet at kAxesCorner
// and end at kYAxisTop and kXAxisEnd; the diagonal runs from the corner to
// kDiagonalEnd. The points themselves are placed by kScreenChartFrame.
constexpr QPoint kAxesCorner(30, 148);
constexpr QPoint kYAxisTop(30, 8);
constexpr QPoint kXAxisEnd(364, 148);
constexpr QPoint kDiagonalEnd(348, 8);
constexpr QPoint kCalculatedCaption(170, 152);
constexpr QPoint kObservedCaption(10, 100);
constexpr int kCrossArm = 2;  // each point's cross reaches this far from it

}  // namespace

ObsCalcChart::ObsCalcChart(const ResidualTable& table, QWidget* parent)
    : QWidget(parent), points_(ChartPoints(table, kScreenChartFrame)) {
  setObjectName(QStringLiteral("chart"));
  SetControlId(this, kId);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
}

void ObsCalcChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  // The axes are two pixels thick: an L and a second L just inside it.
  painter.drawPolyline(QPolygon({kYAxisTop, kAxesCorner, kXAxisEnd}));
  painter.drawPolyline(QPolygon({kYAxisTop + QPoint(1, 0), kAxesCorner + QPoint(1, -1), kXAxisEnd + QPoint(0, -1)}));
  painter.drawLine(kAxesCorner, kDiagonalEnd);

  DrawTextAt(painter, kCalculatedCaption, QStringLiteral("Calculated"), false);
  DrawTextAt(painter, kObservedCaption, QStringLiteral("Observed"), true);

  painter.setPen(Qt::red);
  for (const ChartPoint& point : points_) {
    painter.drawLine(point.x, point.y - kCrossArm, point.x, point.y + kCrossArm);
    painter.drawLine(point.x - kCrossArm, point.y, point.x + kCrossArm, point.y);
  }
}

}  // namespace rv
