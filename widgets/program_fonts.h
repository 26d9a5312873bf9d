#pragma once

#include <QFont>

namespace rv {

// The program's fonts have pixel sizes, so screen font scaling never changes
// the size of a dialog or of the grid; fontconfig resolves the faces.
QFont DialogFont();   // every dialog and control; lines are 13 pixels apart
QFont CaptionFont();  // the group captions of the dialogs
QFont GridFont();     // the cells of the data grid

}  // namespace rv
