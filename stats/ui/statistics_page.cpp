#include "stats/ui/statistics_page.h"

#include <QPainter>

#include "stats/ui/statistics_layout.h"

namespace rv {

StatisticsPage::StatisticsPage(ListFrame frame, QWidget* parent) : QWidget(parent), frame_(std::move(frame)) {
  setGeometry(kPageArea);
}

void StatisticsPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.translate(-kPageArea.topLeft());
  PaintListFrame(painter, palette(), frame_);
  paintDecorations(painter);
}

}  // namespace rv
