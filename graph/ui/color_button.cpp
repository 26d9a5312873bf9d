#include "graph/ui/color_button.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include "graph/ui/graph_color_swatches.h"
#include "widgets/control_id.h"

namespace rv {

namespace {

// The button shows a swatch of its colour at its left and its caption beside
// the swatch; the swatch's sunken frame is one pixel outside it.
constexpr int kHeight = 16;
constexpr QRect kSwatch(1, 1, 13, 13);
constexpr QPoint kNoColorPicturePlace(2, 2);
constexpr int kCaptionLeft = 20;
constexpr int kCaptionRightMargin = 4;

}  // namespace

ColorButton::ColorButton(const QString& caption, int id, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);
  SetControlId(this, id);
  setFocusPolicy(Qt::StrongFocus);
}

void ColorButton::setSelection(std::int32_t selection) {
  selection_ = selection;
  update();
}

QSize ColorButton::sizeHint() const {
  return {kCaptionLeft + fontMetrics().horizontalAdvance(text()) + kCaptionRightMargin, kHeight};
}

void ColorButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor color = GraphSwatchColor(selection_);
  if (color.isValid()) {
    painter.fillRect(kSwatch, color);
  } else {
    painter.fillRect(kSwatch, Qt::white);
    painter.drawPixmap(kNoColorPicturePlace, NoColorPicture());
  }
  qDrawShadePanel(&painter, kSwatch.adjusted(-1, -1, 1, 1), palette(), true, 1);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const QRect caption(kCaptionLeft, 0, width() - kCaptionLeft, height());
  painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = painter.boundingRect(caption, Qt::AlignLeft | Qt::AlignVCenter, text()).adjusted(-1, 0, 1, 0);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace rv
