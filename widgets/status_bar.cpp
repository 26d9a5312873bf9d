#include "widgets/status_bar.h"

#include <QPainter>
#include <algorithm>
#include <QSizeGrip>
#include <QStyleOptionFrame>
#include <qdrawutil.h>

namespace rv {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), grip_(new QSizeGrip(this)) {
  setObjectName(QStringLiteral("status"));
  setFixedHeight(kHeight);
  texts_[0] = QStringLiteral("Loading");
}

void StatusBar::setPaneText(int pane, const QString& text) {
  if (pane != 1 && pane != 2) return;
  const QRect before = paneRect(pane);
  texts_[pane - 1] = text;
  repaint(before.united(paneRect(pane)).adjusted(-2, -2, 2, 2));
}

QString StatusBar::paneText(int pane) const { return pane == 1 || pane == 2 ? texts_[pane - 1] : QString(); }

QSize StatusBar::sizeHint() const { return {626, kHeight}; }

// Pane 2 widens for a text longer than its counts ("Job 12 sent to
// Office_Laser"), up to the size grip, so that a message shows whole.
QRect StatusBar::paneRect(int pane) const {
  if (pane == 1) return QRect(QPoint(8, 6), QPoint(64, 19));
  const int textWidth = fontMetrics().horizontalAdvance(texts_[1]) + 4;
  const int right = std::clamp(72 + textWidth, 127, std::max(127, width() - grip_->sizeHint().width() - 8));
  return QRect(QPoint(72, 6), QPoint(right, 19));
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
  for (int pane : {1, 2}) {
    const QRect box = paneRect(pane).adjusted(-2, -2, 2, 2);
    qDrawShadePanel(&painter, box, palette(), true, 1);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect textRect = paneRect(pane).adjusted(2, 0, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(texts_[pane - 1], Qt::ElideRight, textRect.width()));
  }
}

void StatusBar::resizeEvent(QResizeEvent*) {
  const QSize grip = grip_->sizeHint();
  grip_->setGeometry(width() - grip.width() - 2, height() - grip.height() - 2, grip.width(), grip.height());
}

}  // namespace rv
