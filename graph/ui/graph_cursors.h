#pragma once

#include <QCursor>

namespace rv {

// The program's own cursors over the graph window: the graph cursor while
// it waits for a click or a zoom drag, the rotate cursor while the graph
// turns or a zoom rectangle is dragged.
QCursor GraphCursor();
QCursor RotateCursor();

}  // namespace rv
