#include "graph/ui/vector_picture.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "graph/build_scene.h"
#include "graph/build_vector_graph.h"
#include "graph/graph_picture.h"
#include "graph/graph_svg.h"
#include "graph/ui/graph_bitmap.h"
#include "graph/ui/label_glyphs.h"
#include "widgets/graph_fonts.h"
#include "widgets/vector_graph_painter.h"

namespace rv {

namespace {

constexpr const char* kPictureTitle = "Regrovantis graph";

}  // namespace

VectorGraph GraphVectors(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs,
                         const ViewState& view, const std::string& equationText, int size) {
  const double scale = std::max(1.0, static_cast<double>(size) / kPictureSize);
  return BuildVectorGraph(BuildScene(model, options), PictureGlyphs(glyphs, size), LabelCellHeight(scale), view,
                          options, equationText, size);
}

QByteArray GraphSvg(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs, const ViewState& view,
                    const std::string& equationText, int size) {
  const VectorGraph graph = GraphVectors(model, options, glyphs, view, equationText, size);
  SvgFontSizes fonts;
  fonts.labelPixels = QFontInfo(GraphLabelFont(graph.labelCell)).pixelSize();
  if (graph.equationCell > 0) {
    const QFont equation = EquationTextFont(graph.equationCell);
    fonts.equationPixels = QFontInfo(equation).pixelSize();
    fonts.equationAscent = QFontMetricsF(equation).ascent();
  }
  const std::string svg = GraphSvgText(graph, fonts, kPictureTitle);
  return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

QByteArray GraphPdf(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs, const ViewState& view,
                    const std::string& equationText, int size) {
  const VectorGraph graph = GraphVectors(model, options, glyphs, view, equationText, size);
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    // One point per unit: a page of size × size points.
    QPdfWriter writer(&pdf);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(size, size), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QString::fromLatin1(kPictureTitle));
    writer.setCreator(QStringLiteral("Regrovantis"));
    QPainter painter(&writer);
    PaintVectorGraph(painter, graph);
    painter.end();
  }
  return pdf.data();
}

}  // namespace rv
