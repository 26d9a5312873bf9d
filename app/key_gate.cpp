#include "app/key_gate.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace rv {

KeyGate::KeyGate(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {}

bool KeyGate::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
  if (!open_) return true;
  // Left unaccepted, the override lets the shortcut map trigger the action.
  if (type == QEvent::ShortcutOverride) {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == mainWindow_ && isAccelerator(event);
  }
  return false;
}

bool KeyGate::isAccelerator(QEvent* event) const {
  const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
  for (const QAction* action : mainWindow_->actions()) {
    if (action->isEnabled() && action->shortcuts().contains(pressed)) return true;
  }
  return false;
}

}  // namespace rv
