#pragma once

#include "graph/viewport.h"

namespace rv {

// The part of the view volume shown; the full view is -1, 1, -1, 1.
struct ZoomBounds {
  double left = -1.0;
  double right = 1.0;
  double bottom = -1.0;
  double top = 1.0;
  friend bool operator==(const ZoomBounds&, const ZoomBounds&) = default;
};

// How the graph is looked at: the two angle positions (the graph window's
// scroll positions, 0 to 360), the rotation angles they stand for (position
// − 180 degrees) and the zoom bounds.
struct ViewState {
  int horizontalPosition = 180;
  int verticalPosition = 180;
  double horizontalAngle = 0.0;  // about the vertical axis
  double verticalAngle = 0.0;    // about the horizontal axis
  ZoomBounds zoom;
};

inline constexpr int kMaxAnglePosition = 360;

// Sets both positions (clamped to 0 to 360) and the angles they stand for.
void SetAnglePositions(ViewState& view, int horizontal, int vertical);

// The view of a freshly prepared graph: full zoom, a curve face-on (0°, 0°),
// a surface turned 30° about both axes.
void ResetView(ViewState& view, int graphedVariables);

// One tick of continuous rotation: the horizontal position one down,
// wrapping from below 0 to 359.
void StepRotation(ViewState& view);

// A rectangle dragged in the graph window, in its pixels (left ≤ right,
// top ≤ bottom).
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The end of a zoom drag in a picture pictureHeight pixels high drawn
// through viewport (GraphWindowViewport): a rectangle at least 9 pixels wide
// and high zooms into it, never past the full view (one wholly outside it
// changes nothing); a smaller one resets the zoom. The rectangle is mapped
// through the viewport's centre as the picture shows it, top row first.
void FinishZoomDrag(ViewState& view, const PixelRect& rect, const Viewport& viewport, int pictureHeight);

}  // namespace rv
