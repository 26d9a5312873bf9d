#pragma once

#include <QAbstractButton>
#include <cstdint>

namespace rv {

// A button of the Options dialog's Graph page that holds one graph colour
// selection: a swatch (or the none picture) with its caption beside it.
class ColorButton : public QAbstractButton {
  Q_OBJECT
 public:
  ColorButton(const QString& caption, int id, QWidget* parent = nullptr);

  std::int32_t selection() const { return selection_; }
  void setSelection(std::int32_t selection);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::int32_t selection_ = 0;
};

}  // namespace rv
