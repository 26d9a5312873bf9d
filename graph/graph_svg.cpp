#include "graph/graph_svg.h"

#include <cmath>
#include <cstdio>

#include "sheet/value_text.h"

namespace rv {

namespace {

constexpr const char* kLabelFamilies = "'MS Sans Serif', 'Liberation Sans', Arial, sans-serif";
constexpr const char* kEquationFamilies = "'Times New Roman', 'Liberation Serif', serif";

// A coordinate to a tenth of a unit, without a trailing ".0".
std::string Coordinate(double value) {
  const long tenths = std::lround(value * 10.0);
  const long whole = tenths / 10;
  const long rest = std::labs(tenths % 10);
  std::string text = (tenths < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
  if (rest != 0) text += "." + std::to_string(rest);
  return text;
}

std::string Color(std::uint32_t rgb) { return FormatText("#%06x", static_cast<unsigned>(rgb & 0xFFFFFFu)); }

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

void AppendPiece(std::string& d, const VectorGraph::Piece& piece) {
  for (int k = 0; k < piece.corners; ++k)
    d += (k == 0 ? "M" : "L") + Coordinate(piece.x[k]) + " " + Coordinate(piece.y[k]);
  if (piece.corners == 3) d += "Z";
}

// The pieces in their order, a run of one colour and kind as one path:
// lines stroked, triangles filled and stroked with a hairline of their
// colour, which closes the seams between neighbours. A triangle's colours
// are its style, which the style sheet's unfilled paths do not override.
void AppendPieces(std::string& svg, const VectorGraph& graph) {
  size_t i = 0;
  while (i < graph.pieces.size()) {
    const VectorGraph::Piece& first = graph.pieces[i];
    std::string d;
    size_t end = i;
    while (end < graph.pieces.size() && graph.pieces[end].corners == first.corners &&
           graph.pieces[end].rgb == first.rgb) {
      AppendPiece(d, graph.pieces[end]);
      ++end;
    }
    const std::string color = Color(first.rgb);
    if (first.corners == 2) svg.append("<path stroke=\"").append(color);
    else svg.append("<path class=\"f\" style=\"fill:").append(color).append(";stroke:").append(color);
    svg.append("\" d=\"").append(d).append("\"/>\n");
    i = end;
  }
}

}  // namespace

std::string GraphSvgText(const VectorGraph& graph, const SvgFontSizes& fonts, const std::string& title) {
  const std::string size = std::to_string(graph.size);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + size + "\" height=\"" + size +
         "\" viewBox=\"0 0 " + size + " " + size + "\">\n";
  svg += "<title>" + Escaped(title) + "</title>\n";
  if (!graph.equation.empty()) svg += "<desc>" + Escaped(graph.equation) + "</desc>\n";
  svg += "<style>path{fill:none;stroke-width:" + Coordinate(graph.lineWidth) +
         ";stroke-linecap:square}path.f{stroke-width:0.5;stroke-linecap:butt}text{font-family:" + kLabelFamilies +
         ";font-size:" + Coordinate(fonts.labelPixels) + "px}";
  if (graph.equationCell > 0)
    svg += std::string("text.e{font-family:") + kEquationFamilies + ";font-size:" + Coordinate(fonts.equationPixels) +
           "px;text-anchor:middle}";
  svg += "</style>\n";
  svg += "<rect width=\"" + size + "\" height=\"" + size + "\" fill=\"" + Color(graph.background) + "\"/>\n";
  AppendPieces(svg, graph);
  for (const VectorGraph::Label& label : graph.labels)
    svg += "<text x=\"" + Coordinate(label.x) + "\" y=\"" + Coordinate(label.y) + "\" fill=\"" + Color(label.rgb) +
           "\">" + Escaped(label.text) + "</text>\n";
  if (graph.equationCell > 0)
    svg += "<text class=\"e\" x=\"" + Coordinate(graph.size / 2.0) + "\" y=\"" +
           Coordinate(graph.equationTop + fonts.equationAscent) + "\" fill=\"" + Color(graph.equationRgb) + "\">" +
           Escaped(graph.equation) + "</text>\n";
  if (graph.border) {
    const double width = graph.borderWidth;
    svg += "<rect x=\"" + Coordinate(width / 2) + "\" y=\"" + Coordinate(width / 2) + "\" width=\"" +
           Coordinate(graph.size - width) + "\" height=\"" + Coordinate(graph.size - width) +
           "\" fill=\"none\" stroke=\"" + Color(*graph.border) + "\" stroke-width=\"" + Coordinate(width) + "\"/>\n";
  }
  return svg + "</svg>\n";
}

}  // namespace rv
