#include "widgets/place_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace rv {

namespace {

// Where a dialog is placed when no screen is known.
constexpr QRect kWorkAreaWithoutScreen(0, 0, 800, 600);

}  // namespace

QWidget* MainWindowOf(QWidget* widget) {
  if (widget == nullptr) return nullptr;
  QWidget* top = widget->window();
  while (top->parentWidget() != nullptr) top = top->parentWidget()->window();
  return top;
}

void PlaceDialog(QWidget* dialog, QWidget* mainWindow) {
  QSize size = dialog->size();
  if (!dialog->testAttribute(Qt::WA_Resized)) size = dialog->sizeHint().expandedTo(dialog->minimumSize());
  dialog->setFixedSize(size);

  QScreen* screen = mainWindow != nullptr ? mainWindow->screen() : QGuiApplication::primaryScreen();
  const QRect workArea = screen != nullptr ? screen->availableGeometry() : kWorkAreaWithoutScreen;
  const QPoint centre = mainWindow != nullptr ? mainWindow->frameGeometry().center() : workArea.center();
  QPoint topLeft(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
  topLeft.setX(qBound(workArea.left(), topLeft.x(), qMax(workArea.left(), workArea.right() - size.width())));
  topLeft.setY(qBound(workArea.top(), topLeft.y(), qMax(workArea.top(), workArea.bottom() - size.height())));
  dialog->move(topLeft);
}

}  // namespace rv
