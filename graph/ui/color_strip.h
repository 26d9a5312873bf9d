#pragma once

#include <QFrame>

namespace rv {

// The colour column of the Options dialog's Graph page: seventeen swatches
// of 15 pixels, rows 0 to 15 the graph colours and row 16 none, and a marker
// at the current row. A click on a row makes it current.
class ColorStrip : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kRows = 17;
  static constexpr int kRowHeight = 15;

  explicit ColorStrip(QWidget* parent = nullptr);

  int currentRow() const { return row_; }
  void setCurrentRow(int row);

 signals:
  void currentRowChanged(int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int row_ = 1;
};

}  // namespace rv
