#pragma once

#include <string>
#include <vector>

#include "graph/view_state.h"
#include "graph/viewport.h"

namespace rv {

// What the Graph tab asks of the owner of the graph's state. The tab shows
// the state and reports what the user did; only the owner changes it.
class GraphOwner {
 public:
  virtual ~GraphOwner() = default;

  // Draw, Rotate or a click on an empty graph: a new graph of the selected
  // equation over the selected variables, in its default view. False, with
  // the graph as it was, when there is nothing to draw; the reason is shown
  // only when showMessages is set.
  virtual bool prepareGraph(bool showMessages) = 0;
  // A scroll bar moved an angle position (0 to 360).
  virtual void setAnglePositions(int horizontal, int vertical) = 0;
  // One tick of continuous rotation.
  virtual void stepRotation() = 0;
  // A zoom drag ended on this rectangle of a picture drawn through viewport.
  virtual void finishZoomDrag(const PixelRect& rect, const Viewport& viewport, int pictureHeight) = 0;
  // The entries of the variable list the user has selected, in list order.
  virtual void selectGraphVariables(const std::vector<bool>& selected) = 0;
  // The Y range's minimum and maximum as typed; they take effect at the
  // next Draw.
  virtual void typeYRange(const std::string& minimum, const std::string& maximum) = 0;
};

}  // namespace rv
