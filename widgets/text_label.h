#pragma once

#include <QLabel>

namespace rv {

// A centred one-line label on the dialog colour; a new text is drawn at once,
// so progress shown from a long operation appears while it runs.
class TextLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TextLabel(QWidget* parent = nullptr);
  void setTextNow(const QString& text);
};

}  // namespace rv
