#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

namespace rv {

// The help context of the point under the mouse in the main window: the
// control id of the widget there, or else of the current tab page's control
// there; every grid cell shares context 1000. -1 when nothing there has
// help (the caller then asks the user to select a control).
int WhatsThisContextAt(QWidget* mainWindow, QWidget* currentPage, const QPoint& globalPosition);

// What's This (Shift+F1): the focus is released, the mouse captured and the
// help cursor shown; the next left-button release in the main window shows
// the help of what is under the pointer. Escape leaves the mode.
class WhatsThisMode : public QObject {
  Q_OBJECT
 public:
  WhatsThisMode(QWidget* mainWindow, std::function<QWidget*()> currentPage);

  void enter();

  // The help of the point: its topic, or the message that asks for a control.
  void showHelpAt(const QPoint& globalPosition);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void leave();

  QWidget* mainWindow_;
  std::function<QWidget*()> currentPage_;
  bool active_ = false;
};

}  // namespace rv
