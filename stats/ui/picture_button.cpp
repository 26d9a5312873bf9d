#include "stats/ui/picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "widgets/control_id.h"

namespace rv {

PictureButton::PictureButton(const QString& text, const QPixmap& picture, int id, QWidget* parent)
    : QPushButton(text, parent), picture_(picture) {
  setAutoDefault(false);
  setAccessibleName(QString(text).remove(QLatin1Char('&')));
  SetControlId(this, id);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  const bool sunken = isDown() || isChecked();
  option.state &= ~(QStyle::State_Sunken | QStyle::State_Raised | QStyle::State_On);
  option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  const int shift = sunken ? 2 : 0;
  const QRect place(QPoint(0, 0), picture_.size() / picture_.devicePixelRatio());
  painter.drawPixmap(place.translated(rect().center() - place.center() + QPoint(shift, shift)), picture_);
}

}  // namespace rv
