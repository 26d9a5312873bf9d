#pragma once

#include <QRect>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QPainter;
class QPalette;

namespace rv {

// The sunken box around one of the statistics dialog's lists, with the
// white heading strip the dialog paints above the list, since the lists
// have no headings of their own.
struct ListFrame {
  struct Heading {
    int column;  // centred over this column of the list
    QString text;
  };
  QRect box;    // the sunken edge
  QRect strip;  // filled white, the headings top-aligned in it
  std::vector<Heading> headings;
  std::vector<int> separatorsAfter;  // the columns with a vertical line at their right edge
};

// A column's left and right edge across the painter's device.
using ColumnSpan = std::function<std::pair<int, int>(int column)>;

// Draws the frame in the coordinates of the painter's device, the headings
// and separators where the list's columns are, inside the strip.
void PaintListFrame(QPainter& painter, const QPalette& palette, const ListFrame& frame, const ColumnSpan& column);

// A rectangle given by its left-top and right-bottom corners, the right and
// bottom excluded, as the dialog's drawing is laid out.
QRect Corners(int left, int top, int right, int bottom);

// Where the list of a frame lies: inside the box's two-pixel sunken edge,
// below the heading strip.
QRect ListPlace(const ListFrame& frame);

}  // namespace rv
