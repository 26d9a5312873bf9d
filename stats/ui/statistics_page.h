#pragma once

#include <QWidget>

#include "stats/ui/list_frame.h"

class QPainter;

namespace rv {

// One list page of the statistics dialog. It covers the page area and paints
// the sunken box and headings of its list; the dialog shows one page at a time.
class StatisticsPage : public QWidget {
  Q_OBJECT
 public:
  StatisticsPage(ListFrame frame, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Further lines of the page, in client-area coordinates.
  virtual void paintDecorations(QPainter&) {}

 private:
  ListFrame frame_;
};

}  // namespace rv
