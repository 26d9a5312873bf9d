#include "graph/build_scene.h"

#include "graph/scene_lists.h"

namespace rv {

Scene BuildScene(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs) {
  Scene scene;
  scene.clearIndex = BackgroundIndex(options);
  scene.lists[kSurfaceList] = SurfaceList(model.surface, options);
  scene.lists[kMarkerList] = MarkerList(model, options);
  scene.lists[kPlaneList] = PlaneList(model.surface, options);
  scene.lists[kLabelList] = LabelList(model, options, glyphs);
  return scene;
}

}  // namespace rv
