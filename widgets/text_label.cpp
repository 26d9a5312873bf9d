#include "widgets/text_label.h"

namespace rv {

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("text"));
  setAlignment(Qt::AlignCenter);
  setTextFormat(Qt::PlainText);
}

void TextLabel::setTextNow(const QString& text) {
  setText(text);
  repaint();
}

}  // namespace rv
