#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graph/glyph_set.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"
#include "graph/graph_picture.h"
#include "graph/view_state.h"

namespace rv {

// The kinds of picture the graph is exported as, chosen by the file name's
// extension (".png", ".svg", ".pdf", in any case); nothing for any other.
enum class PictureFormat { Png, Svg, Pdf };
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

inline constexpr const char* kPictureExtensions = ".png, .svg or .pdf";

// Everything an exported picture is drawn from.
struct GraphPictureRequest {
  const GraphModel& model;
  GraphOptions options;
  const GlyphSet& glyphs;  // the 640-pixel picture's label font
  ViewState view;
  std::string equationText;
  int size = 640;
};

// The file's bytes: an indexed PNG in the graph palette, or an SVG or PDF
// that keeps lines, polygons and texts as such. Made in memory, so the
// caller writes the file in one step; empty when it cannot be encoded.
std::vector<std::uint8_t> GraphPictureBytes(PictureFormat format, const GraphPictureRequest& request);

}  // namespace rv
