#pragma once

class QWidget;

namespace rv {

// The top-level window that owns widget, through any chain of dialogs, or
// nullptr for nullptr.
QWidget* MainWindowOf(QWidget* widget);

// Fixes the dialog at its laid-out pixel size and centres it over the main
// window (over the screen's work area when there is none), kept on screen.
// Dialogs are built in pixels with pixel-sized fonts, so they keep their size
// in pixels whatever the screen's font scaling, as the program's dialogs always have.
void PlaceDialog(QWidget* dialog, QWidget* mainWindow);

}  // namespace rv
