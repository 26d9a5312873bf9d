#include "graph/ui/graph_window.h"

#include <QEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "graph/draw_scene.h"
#include "graph/ui/graph_canvas.h"
#include "graph/ui/graph_cursors.h"
#include "graph/ui/graph_owner.h"
#include "graph/ui/label_glyphs.h"
#include "widgets/control_id.h"
#include "widgets/indexed_image.h"

namespace rv {

namespace {

QScrollBar* AngleBar(Qt::Orientation orientation, int page, QWidget* parent) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setRange(0, kMaxAnglePosition);
  bar->setPageStep(page);
  bar->setSingleStep(1);
  bar->setValue(kMaxAnglePosition / 2);
  // The bar's own menu would move an angle without the release that redraws.
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  return bar;
}

int DevicePixels(int pixels, double ratio) { return static_cast<int>(std::lround(pixels * ratio)); }

}  // namespace

GraphWindow::GraphWindow(const GraphState& graph, const DataFileSession& session, GraphOwner& owner, QWidget* parent)
    : QWidget(parent),
      graph_(graph),
      session_(session),
      owner_(owner),
      canvas_(new GraphCanvas(this)),
      horizontal_(AngleBar(Qt::Horizontal, kHorizontalPage, this)),
      vertical_(AngleBar(Qt::Vertical, kVerticalPage, this)),
      band_(new QRubberBand(QRubberBand::Rectangle, canvas_)),
      graphCursor_(GraphCursor()),
      rotateCursor_(RotateCursor()) {
  setObjectName(QStringLiteral("gphwnd"));
  SetControlId(this, kId);
  canvas_->setCursor(graphCursor_);
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    bar->installEventFilter(this);
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) { scrollAction(bar, action); });
  }
  connect(canvas_, &GraphCanvas::leftPressed, this, &GraphWindow::pressed);
  connect(canvas_, &GraphCanvas::leftMoved, this, &GraphWindow::moved);
  connect(canvas_, &GraphCanvas::leftReleased, this, &GraphWindow::released);
}

void GraphWindow::setClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
}

Viewport GraphWindow::viewport() const { return GraphWindowViewport(clientWidth_, clientHeight_); }

void GraphWindow::redraw() {
  const double ratio = canvas_->devicePixelRatioF();
  const int width = DevicePixels(canvas_->width(), ratio);
  const int height = DevicePixels(canvas_->height(), ratio);
  if (!session_.graphDrawn || width <= 0 || height <= 0) {
    canvas_->setPicture({});
    return;
  }
  if (ratio != glyphScale_) {
    glyphs_ = LabelGlyphs(ratio);
    glyphScale_ = ratio;
  }
  const Viewport logical = viewport();
  const Viewport device{DevicePixels(logical.x, ratio), DevicePixels(logical.y, ratio),
                        DevicePixels(logical.width, ratio), DevicePixels(logical.height, ratio)};
  if (!target_ || target_->frame.width != width || target_->frame.height != height)
    target_.emplace(width, height, device);
  target_->viewport = device;
  DrawScene(graph_.scene, glyphs_, graph_.view, *target_);
  // In the screen's own format the picture is copied, not converted, each
  // time the window is painted.
  QImage picture = IndexedImage(target_->frame).convertToFormat(QImage::Format_RGB32);
  picture.setDevicePixelRatio(ratio);
  canvas_->setPicture(std::move(picture));
}

void GraphWindow::showAnglePositions() {
  horizontal_->setValue(graph_.view.horizontalPosition);
  vertical_->setValue(graph_.view.verticalPosition);
}

void GraphWindow::setRotating(bool rotating) {
  rotating_ = rotating;
  showCursor();
}

void GraphWindow::showCursor() { canvas_->setCursor(rotating_ || dragging_ ? rotateCursor_ : graphCursor_); }

// Each action moves the angle by its own step from the position the graph
// is at, which while it turns is not where the thumb was left; the bar then
// shows that position.
void GraphWindow::scrollAction(QScrollBar* bar, int action) {
  const bool horizontal = bar == horizontal_;
  const int current = horizontal ? graph_.view.horizontalPosition : graph_.view.verticalPosition;
  int step = 0;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: step = -1; break;
    case QAbstractSlider::SliderSingleStepAdd: step = 1; break;
    case QAbstractSlider::SliderPageStepSub: step = -kPageStep; break;
    case QAbstractSlider::SliderPageStepAdd: step = kPageStep; break;
    case QAbstractSlider::SliderMove: step = bar->sliderPosition() - current; break;
    case QAbstractSlider::SliderToMinimum: step = -current; break;
    case QAbstractSlider::SliderToMaximum: step = kMaxAnglePosition - current; break;
    default: break;
  }
  const int position = std::clamp(current + step, 0, kMaxAnglePosition);
  if (position != current) {
    if (horizontal) owner_.setAnglePositions(position, graph_.view.verticalPosition);
    else owner_.setAnglePositions(graph_.view.horizontalPosition, position);
    emit anglesChanged();
  }
  bar->setSliderPosition(position);
}

// Letting go of a scroll bar ends the scrolling: the picture shows the
// angles reached. The wheel would move an angle with no such end.
bool GraphWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontal_ || watched == vertical_) {
    if (event->type() == QEvent::Wheel) return true;
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      redraw();
  }
  return QWidget::eventFilter(watched, event);
}

void GraphWindow::pressed(const QPoint& position) {
  if (!session_.graphDrawn) {
    if (owner_.prepareGraph(false)) emit graphPrepared();
    return;
  }
  if (rotating_) return;
  dragging_ = true;
  anchor_ = position;
  showCursor();
  band_->setGeometry(QRect(position, position));
  band_->show();
}

PixelRect GraphWindow::dragRect(const QPoint& position) const {
  return {std::min(anchor_.x(), position.x()), std::min(anchor_.y(), position.y()), std::max(anchor_.x(), position.x()),
          std::max(anchor_.y(), position.y())};
}

void GraphWindow::moved(const QPoint& position) {
  if (!dragging_) return;
  const PixelRect rect = dragRect(position);
  band_->setGeometry(QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom)));
}

void GraphWindow::released(const QPoint& position) {
  if (!dragging_) return;
  band_->hide();
  dragging_ = false;
  showCursor();
  owner_.finishZoomDrag(dragRect(position), viewport(), canvas_->height());
  redraw();
}

void GraphWindow::resizeEvent(QResizeEvent*) {
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int canvasWidth = std::max(0, width() - extent);
  const int canvasHeight = std::max(0, height() - extent);
  canvas_->setGeometry(0, 0, canvasWidth, canvasHeight);
  horizontal_->setGeometry(0, canvasHeight, canvasWidth, extent);
  vertical_->setGeometry(canvasWidth, 0, extent, canvasHeight);
  redraw();
}

}  // namespace rv
