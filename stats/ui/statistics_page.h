#pragma once

#include <QWidget>

#include "stats/ui/list_frame.h"

class QPainter;

namespace rv {

class ReportList;

// One list page of the statistics dialog. It covers the page area and paints
// the sunken box of its list and the headings over the list's columns,
// wherever their widths and the list's scrolling put them; the dialog shows
// one page at a time.
class StatisticsPage : public QWidget {
  Q_OBJECT
 public:
  StatisticsPage(ListFrame frame, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Further lines of the page, in client-area coordinates.
  virtual void paintDecorations(QPainter&) {}
  // The list whose columns the headings stand over, placed in the frame.
  void headList(ReportList* list);

 private:
  ListFrame frame_;
  ReportList* list_ = nullptr;
};

}  // namespace rv
