#pragma once

#include <QRect>
#include <QString>
#include <vector>

class QPainter;
class QPalette;

namespace rv {

// The sunken box around one of the statistics dialog's lists, with the
// white heading strip the dialog paints above the list, since the lists
// have no headings of their own.
struct ListFrame {
  struct Heading {
    int centreX;
    QString text;
  };
  QRect box;    // the sunken edge
  QRect strip;  // filled white, the headings top-aligned in it
  std::vector<Heading> headings;
  std::vector<int> separators;  // x of the vertical lines between headings
};

// Draws the frame in the coordinates of the painter's device.
void PaintListFrame(QPainter& painter, const QPalette& palette, const ListFrame& frame);

// A rectangle given by its left-top and right-bottom corners, the right and
// bottom excluded, as the dialog's drawing is laid out.
QRect Corners(int left, int top, int right, int bottom);

}  // namespace rv
