#include "graph/view_state.h"

#include <algorithm>

namespace rv {

namespace {

constexpr int kMinZoomDrag = 9;

ZoomBounds ZoomInto(const ZoomBounds& bounds, const PixelRect& rect, const Viewport& viewport, int pictureHeight) {
  // Half the viewport's side and its centre in the picture's pixels, counted
  // from the top row as the mouse counts them; the viewport itself counts
  // from the bottom row and reaches below the picture.
  const double half = viewport.width / 2.0;
  const double cx = viewport.x + half;
  const double cy = pictureHeight - (viewport.y + viewport.height / 2.0);
  const double l = (rect.left - cx) / half;
  const double r = (rect.right - cx) / half;
  const double t = (cy - rect.top) / half;
  const double b = (cy - rect.bottom) / half;
  const double centreX = (bounds.left + bounds.right) / 2;
  const double centreY = (bounds.bottom + bounds.top) / 2;
  const double halfX = (bounds.right - bounds.left) / 2;
  const double halfY = (bounds.top - bounds.bottom) / 2;
  return {std::max(centreX + l * halfX, -1.0), std::min(centreX + r * halfX, 1.0), std::max(centreY + b * halfY, -1.0),
          std::min(centreY + t * halfY, 1.0)};
}

}  // namespace

void SetAnglePositions(ViewState& view, int horizontal, int vertical) {
  view.horizontalPosition = std::clamp(horizontal, 0, kMaxAnglePosition);
  view.verticalPosition = std::clamp(vertical, 0, kMaxAnglePosition);
  view.horizontalAngle = view.horizontalPosition - 180;
  view.verticalAngle = view.verticalPosition - 180;
}

void ResetView(ViewState& view, int graphedVariables) {
  view.zoom = {};
  const int position = graphedVariables == 2 ? 210 : 180;
  SetAnglePositions(view, position, position);
}

void StepRotation(ViewState& view) {
  int position = view.horizontalPosition - 1;
  if (position < 0) position = 359;
  SetAnglePositions(view, position, view.verticalPosition);
}

void FinishZoomDrag(ViewState& view, const PixelRect& rect, const Viewport& viewport, int pictureHeight) {
  if (rect.right - rect.left < kMinZoomDrag || rect.bottom - rect.top < kMinZoomDrag || viewport.width <= 0) {
    view.zoom = {};
    return;
  }
  // A rectangle wholly outside the full view leaves nothing to show: the
  // zoom stays as it was rather than turning the picture inside out.
  const ZoomBounds zoomed = ZoomInto(view.zoom, rect, viewport, pictureHeight);
  if (zoomed.left < zoomed.right && zoomed.bottom < zoomed.top) view.zoom = zoomed;
}

}  // namespace rv
