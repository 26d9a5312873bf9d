#pragma once

#include "base/vector_graph.h"

class QPainter;

namespace rv {

// Paints the vector picture with the painter in the picture's own units
// (size × size from the painter's origin): the background, the pieces in
// their order, the labels in the label font, the equation text and the
// border outline. The caller's transform places and scales it, so a PDF
// page or a printer paints it at its own resolution.
void PaintVectorGraph(QPainter& painter, const VectorGraph& graph);

}  // namespace rv
