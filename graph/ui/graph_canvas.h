#pragma once

#include <QImage>
#include <QWidget>

namespace rv {

// The graph window's client area: shows the last picture drawn, or nothing
// before there is a graph, and passes the left button's press, moves while
// it is down and release on to the graph window.
class GraphCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit GraphCanvas(QWidget* parent);

  // The picture in the graph palette's colours at the canvas's size in
  // device pixels; a null image shows an empty canvas.
  void setPicture(QImage picture);
  const QImage& picture() const { return picture_; }

 signals:
  void leftPressed(const QPoint& position);
  void leftMoved(const QPoint& position);
  void leftReleased(const QPoint& position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace rv
