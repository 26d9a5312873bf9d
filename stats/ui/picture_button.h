#pragma once

#include <QPixmap>
#include <QPushButton>

namespace rv {

// A push button that shows a picture instead of its text: a raised frame, or
// a sunken one while it is held down or checked, with the picture centred
// and moved 2 pixels right and down while sunken. The text stays for its
// Alt+mnemonic and for screen readers.
class PictureButton : public QPushButton {
  Q_OBJECT
 public:
  PictureButton(const QString& text, const QPixmap& picture, int id, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace rv
