#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace rv::testing {

// Answers the modal dialogs that a test provokes, one queued handler per
// dialog, in order. Each handler gets the dialog once it is showing; the
// object names and message texts seen are recorded for the test to check.
class ModalAnswers {
 public:
  using Handler = std::function<void(QWidget* dialog)>;

  ModalAnswers();
  ~ModalAnswers();

  // A message dialog answered by clicking the button with this answer id.
  ModalAnswers& answer(int answerId);
  // Any modal dialog, handled by the function. A dialog that comes when no
  // handler is left fails the test and is closed.
  ModalAnswers& then(Handler handler);

  const QStringList& dialogNames() const;
  const QStringList& messageTexts() const;
  int pending() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

// Clicks the control with this id inside the dialog.
void ClickControl(QWidget* dialog, int id);

}  // namespace rv::testing
