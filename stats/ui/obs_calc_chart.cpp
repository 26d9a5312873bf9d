#include "stats/ui/obs_calc_chart.h"

#include <QPainter>

#include "stats/ui/chart_picture.h"
#include "widgets/control_id.h"

namespace rv {

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
  painter.drawPolyline(QPolygon({QPoint(30, 8), QPoint(30, 148), QPoint(364, 148)}));
  painter.drawPolyline(QPolygon({QPoint(31, 8), QPoint(31, 147), QPoint(364, 147)}));
  painter.drawLine(30, 148, 348, 8);

  DrawTextAt(painter, QPoint(170, 152), QStringLiteral("Calculated"), false);
  DrawTextAt(painter, QPoint(10, 100), QStringLiteral("Observed"), true);

  painter.setPen(Qt::red);
  for (const ChartPoint& point : points_) {
    painter.drawLine(point.x, point.y - 2, point.x, point.y + 2);
    painter.drawLine(point.x - 2, point.y, point.x + 2, point.y);
  }
}

}  // namespace rv
