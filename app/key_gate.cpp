#include "app/key_gate.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

#include "widgets/help.h"

namespace rv {

KeyGate::KeyGate(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {}

bool KeyGate::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
  if (!open_) return true;
  auto* widget = qobject_cast<QWidget*>(watched);
  // F1 on a control with a topic of its own opens that topic: the accepted
  // override keeps Help Topics from firing, the key press shows the topic.
  if (widget != nullptr && OwnHelpTopic(widget) != 0 && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
      static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
    event->accept();
    if (type == QEvent::KeyPress) ShowHelpTopic(widget, OwnHelpTopic(widget));
    return type != QEvent::ShortcutOverride;
  }
  // Left unaccepted, the override lets the shortcut map trigger the action.
  if (type == QEvent::ShortcutOverride)
    return widget != nullptr && widget->window() == mainWindow_ && isAccelerator(event);
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
