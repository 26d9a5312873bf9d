#include "graph/ui/color_button.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include "graph/ui/graph_color_swatches.h"
#include "widgets/control_id.h"
#include "widgets/resource_pictures.h"

namespace rv {

ColorButton::ColorButton(const QString& caption, int id, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);
  SetControlId(this, id);
  setFocusPolicy(Qt::StrongFocus);
}

void ColorButton::setSelection(std::int32_t selection) {
  selection_ = selection;
  update();
}

QSize ColorButton::sizeHint() const { return {20 + fontMetrics().horizontalAdvance(text()) + 4, 16}; }

void ColorButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect swatch(1, 1, 13, 13);
  const QColor color = GraphSwatchColor(selection_);
  if (color.isValid()) {
    painter.fillRect(swatch, color);
  } else {
    painter.fillRect(swatch, Qt::white);
    painter.drawPixmap(2, 2, ResourcePicture(QStringLiteral("NONE"), QSize(11, 11)));
  }
  qDrawShadePanel(&painter, swatch.adjusted(-1, -1, 1, 1), palette(), true, 1);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const QRect caption(20, 0, width() - 20, height());
  painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = painter.boundingRect(caption, Qt::AlignLeft | Qt::AlignVCenter, text()).adjusted(-1, 0, 1, 0);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace rv
