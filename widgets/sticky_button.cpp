#include "widgets/sticky_button.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "widgets/control_id.h"

namespace rv {

StickyButton::StickyButton(const QString& text, int id, QWidget* parent) : QPushButton(text, parent) {
  setObjectName(QStringLiteral("sticky"));
  setCheckable(true);
  setAutoDefault(false);
  SetControlId(this, id);
  connect(this, &QAbstractButton::clicked, this, [this] { emit command(ControlId(this)); });
}

void StickyButton::setPressed(bool pressed) {
  setChecked(pressed);
  repaint();
}

// The state flips on the press itself, not on the release as with an
// ordinary button, so the button never shows a half-pressed state.
void StickyButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  click();
  event->accept();
}

void StickyButton::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void StickyButton::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void StickyButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  option.state &= ~(QStyle::State_Sunken | QStyle::State_Raised | QStyle::State_On);
  option.state |= isPressed() ? QStyle::State_Sunken : QStyle::State_Raised;
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  // The text moves 2 pixels right and down while the button is pressed.
  const int shift = isPressed() ? 2 : 0;
  painter.drawItemText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                       text(), QPalette::ButtonText);
}

}  // namespace rv
