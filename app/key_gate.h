#pragma once

#include <QObject>

class QWidget;

namespace rv {

// The application's key filter. Until start-up has finished every key is
// swallowed. Afterwards the main window's accelerators come before the
// widget that has the focus, so Ctrl+C in a cell copies cells, not the
// cell's text.
class KeyGate : public QObject {
  Q_OBJECT
 public:
  explicit KeyGate(QWidget* mainWindow);

  void open() { open_ = true; }
  bool isOpen() const { return open_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool isAccelerator(QEvent* event) const;

  QWidget* mainWindow_;
  bool open_ = false;
};

}  // namespace rv
