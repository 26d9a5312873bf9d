#include "graph/ui/graph_cursors.h"

#include "widgets/resource_pictures.h"

namespace rv {

namespace {

constexpr int kCursorSize = 32;

}  // namespace

// The graph cursor is a cross whose centre is the point it names.
QCursor GraphCursor() {
  return QCursor(ResourcePicture(QStringLiteral("GDRW"), QSize(kCursorSize, kCursorSize)), kCursorSize / 2,
                 kCursorSize / 2);
}

QCursor RotateCursor() {
  return QCursor(ResourcePicture(QStringLiteral("GROT"), QSize(kCursorSize, kCursorSize)), kCursorSize / 2,
                 kCursorSize / 2);
}

}  // namespace rv
