#pragma once

#include <QRect>

namespace rv {

// The statistics dialog is laid out in pixels of its client area, 436 x 306.
// Each page covers the area between the title and the buttons; its controls
// are placed by their client-area positions.
inline constexpr QSize kStatisticsClientSize(436, 306);
inline constexpr QRect kPageArea(8, 50, 420, 190);

// A client-area rectangle in the coordinates of a page.
constexpr QRect OnPage(int x, int y, int width, int height) {
  return QRect(x - kPageArea.x(), y - kPageArea.y(), width, height);
}
constexpr QRect OnPage(const QRect& client) { return client.translated(-kPageArea.topLeft()); }

}  // namespace rv
