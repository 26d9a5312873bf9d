#pragma once

#include <QString>
#include <QStringList>

#include "base/message.h"

class QWidget;

namespace rv {

// The program's message dialog. Its objectName is "MSGDLG" followed by the
// kind; the message text has the control id 101 and each button the id of
// its answer. The program's other dialogs give their OK and Cancel buttons
// the same ids.
constexpr int ControlIdOf(MessageAnswer answer) { return static_cast<int>(answer); }
inline constexpr int kAnswerOk = ControlIdOf(MessageAnswer::Ok);
inline constexpr int kAnswerCancel = ControlIdOf(MessageAnswer::Cancel);
inline constexpr int kAnswerYes = ControlIdOf(MessageAnswer::Yes);
inline constexpr int kAnswerNo = ControlIdOf(MessageAnswer::No);

inline constexpr int kMessageTextId = 101;

// Shows text modally over owner's main window and returns the answer. The
// dialog is as wide as the text's first line plus 112 pixels; an error also
// sounds the bell.
MessageAnswer ShowMessage(const QString& text, QWidget* owner, MessageKind kind);

// The same dialog for a question whose buttons need other words than Yes,
// No and Cancel: the labels of the buttons answering Yes, No and (for
// YesNoCancel) Cancel, in that order.
MessageAnswer ShowMessage(const QString& text, QWidget* owner, MessageKind kind, const QStringList& labels);

}  // namespace rv
