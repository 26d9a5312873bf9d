#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace rv {

// A control's help context is its control id plus the base of its dialog.
inline constexpr int kMainWindowHelpBase = 0;
inline constexpr int kVariablesHelpBase = 300;
inline constexpr int kOptionsHelpBase = 400;
inline constexpr int kCopyGraphHelpBase = 500;
inline constexpr int kFormatHelpBase = 600;
inline constexpr int kScaleHelpBase = 700;
inline constexpr int kStatisticsHelpBase = 710;
// Every cell of the data grid shares one context.
inline constexpr int kGridCellHelpContext = 1000;

inline constexpr const char* kHelpFileName = "Regrovantis.hlp";

// The help file "Regrovantis.hlp" holds HTML; each topic starts at an anchor
// named "c" followed by its context number, the contents at "contents".
QString HelpTopicAnchor(int context);

// The help file the main window of widget uses: the one set for it, else
// "Regrovantis.hlp" beside the program.
QString HelpFilePath(QWidget* widget);
void SetHelpFilePath(QWidget* mainWindow, const QString& path);

// The help is one page of some 32 KB: a file that is no regular file, or
// larger than this, is no help file and is not read.
inline constexpr qint64 kMaxHelpFileBytes = qint64{4} << 20;
bool HelpFileReadable(const QString& path);

// Shows "Can not find the help file ..." over owner.
void ShowMissingHelpFileMessage(QWidget* owner);

// The help window of owner's main window at the contents or at one topic.
void ShowHelpContents(QWidget* owner);
void ShowHelpTopic(QWidget* owner, int context);

// A control of the main window whose F1 opens a topic of its own instead of
// the contents (Help Topics); 0 when it has none.
void SetOwnHelpTopic(QWidget* control, int context);
int OwnHelpTopic(const QWidget* control);

// The pop-up topic of control id + base, or the message that asks for a
// control when the id is below 100 or above 9998.
void ShowContextHelp(QWidget* dialog, int controlId, int base);

// F1 and the title bar's help button in the dialog show the context help of
// the control that has the focus or that was clicked. mapId, when given,
// lets several controls share the help of one (a group and its members).
void InstallContextHelp(QDialog* dialog, int base, std::function<int(int)> mapId = {});

// The control id of widget or of its nearest ancestor inside root that has one.
int ControlIdWithin(QWidget* widget, QWidget* root);

}  // namespace rv
