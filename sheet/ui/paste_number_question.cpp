#include "sheet/ui/paste_number_question.h"

#include <QString>
#include <QStringList>

#include "sheet/clipboard_text.h"
#include "sheet/quoted_text.h"
#include "sheet/value_text.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

QString NumberIn(const std::string& field, NumberFormat format) {
  return QString::fromStdString(ExactValueText(ReadFieldNumber(field, format).value_or(0.0)));
}

}  // namespace

PasteNumberAnswer AskPasteNumberFormat(const std::string& text, QWidget* owner) {
  const NumberFormatGuess guess = PasteNumberFormat(text);
  if (guess.undecided.empty()) return {};
  // The reading with a thousands separator is asked first: a count such as
  // 1,306 is the likelier.
  const bool otherFirst = guess.other.thousands != ThousandsSeparator::None;
  const NumberFormat first = otherFirst ? guess.other : guess.format;
  const NumberFormat second = otherFirst ? guess.format : guess.other;
  const QString field = QString::fromStdString(QuotedText(guess.undecided));
  const QString firstNumber = NumberIn(guess.undecided, first);
  const QString secondNumber = NumberIn(guess.undecided, second);
  const QString question =
      QStringLiteral("The pasted numbers can be read in two ways: %1 may be %2 or %3.\n\nWhich is meant?")
          .arg(field, firstNumber, secondNumber);
  const QStringList labels{firstNumber, secondNumber, QStringLiteral("Cancel")};
  switch (ShowMessage(question, owner, MessageKind::YesNoCancel, labels)) {
    case MessageAnswer::Yes: return {false, first};
    case MessageAnswer::No: return {false, second};
    default: return {true, std::nullopt};
  }
}

}  // namespace rv
