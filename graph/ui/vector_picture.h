#pragma once

#include <QByteArray>
#include <string>

#include "base/vector_graph.h"
#include "graph/glyph_set.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"
#include "graph/view_state.h"

namespace rv {

// The graph as a vector picture of size × size units (VectorGraph): the
// frame the raster picture is drawn from, with the labels laid out for that
// size, then the equation text and the Border Outline. glyphs is the
// 640-pixel picture's label font, which the scene is measured with.
VectorGraph GraphVectors(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs,
                         const ViewState& view, const std::string& equationText, int size);

QByteArray GraphSvg(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs, const ViewState& view,
                    const std::string& equationText, int size);
QByteArray GraphPdf(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs, const ViewState& view,
                    const std::string& equationText, int size);

}  // namespace rv
