#include "widgets/status_bar.h"

#include <QPainter>
#include <QSizeGrip>
#include <QStyleOptionFrame>
#include <algorithm>
#include <qdrawutil.h>

namespace rv {

namespace {

// The panes' text areas in the bar; the Detail pane's right edge is the
// narrowest it gets.
constexpr int kPaneTop = 6;
constexpr int kPaneBottom = 19;
constexpr int kActivityLeft = 8;
constexpr int kActivityRight = 64;
constexpr int kDetailLeft = 72;
constexpr int kDetailRight = 127;
// Between the Detail pane and the size grip.
constexpr int kGripGap = 8;
// The grip sits in the bar's bottom right corner, this far from its edges.
constexpr int kGripMargin = 2;

size_t IndexOf(StatusPane pane) { return static_cast<size_t>(pane); }

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), grip_(new QSizeGrip(this)) {
  setObjectName(QStringLiteral("status"));
  setFixedHeight(kHeight);
  texts_[IndexOf(StatusPane::Activity)] = QStringLiteral("Loading");
}

void StatusBar::setPaneText(StatusPane pane, const QString& text) {
  const QRect before = paneRect(pane);
  texts_[IndexOf(pane)] = text;
  repaint(before.united(paneRect(pane)).adjusted(-2, -2, 2, 2));
}

QString StatusBar::paneText(StatusPane pane) const { return texts_[IndexOf(pane)]; }

QSize StatusBar::sizeHint() const { return {626, kHeight}; }

// The Detail pane widens for a text longer than its counts ("Job 12 sent to
// Office_Laser"), up to the size grip, so that a message shows whole.
QRect StatusBar::paneRect(StatusPane pane) const {
  if (pane == StatusPane::Activity) return QRect(QPoint(kActivityLeft, kPaneTop), QPoint(kActivityRight, kPaneBottom));
  const int textWidth = fontMetrics().horizontalAdvance(texts_[IndexOf(StatusPane::Detail)]) + 4;
  const int right = std::clamp(kDetailLeft + textWidth, kDetailRight,
                               std::max(kDetailRight, width() - grip_->sizeHint().width() - kGripGap));
  return QRect(QPoint(kDetailLeft, kPaneTop), QPoint(right, kPaneBottom));
}

void StatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  QStyleOptionFrame band;
  band.initFrom(this);
  band.rect = rect();
  band.lineWidth = 1;
  band.state |= QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_Frame, &band, &painter, this);
  for (StatusPane pane : {StatusPane::Activity, StatusPane::Detail}) {
    const QRect box = paneRect(pane).adjusted(-2, -2, 2, 2);
    qDrawShadePanel(&painter, box, palette(), true, 1);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect textRect = paneRect(pane).adjusted(2, 0, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(texts_[IndexOf(pane)], Qt::ElideRight, textRect.width()));
  }
}

void StatusBar::resizeEvent(QResizeEvent*) {
  const QSize grip = grip_->sizeHint();
  grip_->setGeometry(width() - grip.width() - kGripMargin, height() - grip.height() - kGripMargin, grip.width(),
                     grip.height());
}

}  // namespace rv
