#include "support/modal_answers.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <deque>

#include "widgets/control_id.h"
#include "widgets/message_dialog.h"

namespace rv::testing {

struct ModalAnswers::State {
  std::deque<Handler> handlers;
  QStringList names;
  QStringList texts;
  QPointer<QWidget> lastDialog;
  QTimer timer;
};

ModalAnswers::ModalAnswers() : state_(std::make_shared<State>()) {
  std::weak_ptr<State> weak = state_;
  state_->timer.setInterval(5);
  QObject::connect(&state_->timer, &QTimer::timeout, [weak] {
    auto state = weak.lock();
    if (!state) return;
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || dialog == state->lastDialog || !dialog->isVisible()) return;
    state->lastDialog = dialog;
    state->names << dialog->objectName();
    if (auto* text = qobject_cast<QLabel*>(FindControl(dialog, kMessageTextId))) state->texts << text->text();
    if (state->handlers.empty()) {
      ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
      if (auto* unexpected = qobject_cast<QDialog*>(dialog)) unexpected->done(0);
      return;
    }
    Handler handler = std::move(state->handlers.front());
    state->handlers.pop_front();
    handler(dialog);
  });
  state_->timer.start();
}

ModalAnswers::~ModalAnswers() = default;

ModalAnswers& ModalAnswers::answer(int answerId) {
  return then([answerId](QWidget* dialog) { ClickControl(dialog, answerId); });
}

ModalAnswers& ModalAnswers::then(Handler handler) {
  state_->handlers.push_back(std::move(handler));
  return *this;
}

const QStringList& ModalAnswers::dialogNames() const { return state_->names; }
const QStringList& ModalAnswers::messageTexts() const { return state_->texts; }
int ModalAnswers::pending() const { return static_cast<int>(state_->handlers.size()); }

void ClickControl(QWidget* dialog, int id) {
  auto* button = qobject_cast<QAbstractButton*>(FindControl(dialog, id));
  if (button != nullptr) {
    button->click();
    return;
  }
  ADD_FAILURE() << "no button with id " << id << " in " << dialog->objectName().toStdString();
  if (auto* stuck = qobject_cast<QDialog*>(dialog)) stuck->done(0);
}

}  // namespace rv::testing
