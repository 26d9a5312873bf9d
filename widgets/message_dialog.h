#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace rv {

// The program's message dialog. Its objectName is "MSGDLG" followed by the
// kind; the message text has the control id 101 and each button the id of
// its answer.
enum class MessageKind { Information = 1, YesNo = 2, YesNoCancel = 3, Error = 4 };

inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

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
