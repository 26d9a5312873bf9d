#pragma once

#include <QPushButton>

namespace rv {

// A push button that stays pressed while its action runs. A left press (or
// its Alt+mnemonic, or Space) toggles the pressed state and sends the
// button's control id as a command; the owner releases it with setPressed
// when the action ends, which sends nothing.
class StickyButton : public QPushButton {
  Q_OBJECT
 public:
  StickyButton(const QString& text, int id, QWidget* parent = nullptr);

  bool isPressed() const { return isChecked(); }
  void setPressed(bool pressed);

 signals:
  void command(int id);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rv
