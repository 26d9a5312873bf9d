#include "graph/build_scene.h"

#include "graph/scene_lists.h"

namespace rv {

Scene BuildScene(const GraphModel& model, const GraphOptions& options) {
  Scene scene;
  scene.clearIndex = BackgroundIndex(options);
  scene.lists[kSurfaceList] = SurfaceList(model.surface, options);
  AddBandLines(scene.lists[kSurfaceList], model.bands, model.surface, options);
  scene.lists[kMarkerList] = MarkerList(model, options);
  scene.lists[kPlaneList] = PlaneList(model.surface, options);
  scene.lists[kLabelList] = LabelList(model, options);
  const SurfaceTicks& ticks = model.surface.ticks;
  scene.labelAxes = {{TextRole::XLabel, ticks.x.fine, ticks.x.perStep},
                     {TextRole::YLabel, ticks.value.fine, ticks.value.perStep},
                     {TextRole::ZLabel, ticks.z.fine, ticks.z.perStep}};
  return scene;
}

}  // namespace rv
