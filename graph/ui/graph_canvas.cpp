#include "graph/ui/graph_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace rv {

GraphCanvas::GraphCanvas(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName(QStringLiteral("GraphCanvas"));
}

void GraphCanvas::setPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void GraphCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), palette().color(QPalette::Base));
    return;
  }
  painter.drawImage(QPoint(0, 0), picture_);
}

void GraphCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit leftPressed(event->position().toPoint());
}

void GraphCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) emit leftMoved(event->position().toPoint());
}

void GraphCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit leftReleased(event->position().toPoint());
}

}  // namespace rv
