#pragma once

#include <QString>
#include <QStringList>

#include "sheet/message.h"

class QWidget;

namespace rv {

// The program's message dialog. Its objectName is "MSGDLG" followed by the
// kind; the message text has the control id 101 and each button the id of
// its answer.
inline constexpr int kAnswerOk = static_cast<int>(MessageAnswer::Ok);
inline constexpr int kAnswerCancel = static_cast<int>(MessageAnswer::Cancel);
inline constexpr int kAnswerYes = static_cast<int>(MessageAnswer::Yes);
inline constexpr int kAnswerNo = static_cast<int>(MessageAnswer::No);

inline constexpr int kMessageTextId = 101;

// Shows text modally over owner's main window and returns the answer:
// kAnswerOk, kAnswerYes, kAnswerNo or kAnswerCancel. The dialog is as wide as
// the text's first line plus 112 pixels; an error also sounds the bell.
int ShowMessage(const QString& text, QWidget* owner, MessageKind kind);

// The same dialog for a question whose buttons need other words than Yes,
// No and Cancel: the labels of the buttons answering kAnswerYes, kAnswerNo
// and (for YesNoCancel) kAnswerCancel, in that order.
int ShowMessage(const QString& text, QWidget* owner, MessageKind kind, const QStringList& labels);

}  // namespace rv
