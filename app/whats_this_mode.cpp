#include "app/whats_this_mode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "widgets/control_id.h"
#include "widgets/help.h"

namespace rv {

namespace {

bool IsControlId(int id) { return id > 99 && id < 9999; }

}  // namespace

int WhatsThisContextAt(QWidget* mainWindow, QWidget* currentPage, const QPoint& globalPosition) {
  QWidget* under = QApplication::widgetAt(globalPosition);
  if (under == nullptr || under->window() != mainWindow) return -1;
  int id = ControlId(under);
  if (!IsControlId(id) && currentPage != nullptr) {
    QWidget* child = currentPage->childAt(currentPage->mapFromGlobal(globalPosition));
    id = child != nullptr ? ControlIdWithin(child, currentPage) : -1;
  }
  if (id > 999) id = kGridCellHelpContext;
  return id >= 100 && id <= 9998 ? id : -1;
}

WhatsThisMode::WhatsThisMode(QWidget* mainWindow, std::function<QWidget*()> currentPage)
    : QObject(mainWindow), mainWindow_(mainWindow), currentPage_(std::move(currentPage)) {}

void WhatsThisMode::enter() {
  if (active_) return;
  active_ = true;
  if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
  QApplication::setOverrideCursor(Qt::WhatsThisCursor);
  mainWindow_->grabMouse();
  qApp->installEventFilter(this);
}

void WhatsThisMode::leave() {
  active_ = false;
  qApp->removeEventFilter(this);
  mainWindow_->releaseMouse();
  QApplication::restoreOverrideCursor();
}

void WhatsThisMode::showHelpAt(const QPoint& globalPosition) {
  ShowContextHelp(mainWindow_, WhatsThisContextAt(mainWindow_, currentPage_(), globalPosition), kMainWindowHelpBase);
}

bool WhatsThisMode::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: return true;
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return true;
      const QPoint position = mouse->globalPosition().toPoint();
      leave();
      showHelpAt(position);
      return true;
    }
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) leave();
      return true;
    default: return false;
  }
}

}  // namespace rv
