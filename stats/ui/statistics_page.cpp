#include "stats/ui/statistics_page.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include "stats/ui/report_list.h"
#include "stats/ui/statistics_layout.h"

namespace rv {

StatisticsPage::StatisticsPage(ListFrame frame, QWidget* parent) : QWidget(parent), frame_(std::move(frame)) {
  setGeometry(kPageArea);
}

void StatisticsPage::headList(ReportList* list) {
  list_ = list;
  list->setGeometry(OnPage(ListPlace(frame_)));
  connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
  connect(list->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { update(); });
}

void StatisticsPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.translate(-kPageArea.topLeft());
  // The columns from the list's left edge, in client-area coordinates.
  const int listLeft = list_ != nullptr ? list_->x() + kPageArea.x() : 0;
  PaintListFrame(painter, palette(), frame_, [&](int column) -> std::pair<int, int> {
    if (list_ == nullptr) return {0, 0};
    const int left = listLeft + list_->columnViewportPosition(column);
    return {left, left + list_->columnWidth(column)};
  });
  paintDecorations(painter);
}

}  // namespace rv
