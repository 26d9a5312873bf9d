#include "graph/ui/vector_picture.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <vector>

#include "graph/build_scene.h"
#include "graph/graph_color.h"
#include "graph/graph_palette.h"
#include "graph/graph_picture.h"
#include "graph/project_scene.h"
#include "graph/ui/equation_text.h"
#include "graph/ui/graph_bitmap.h"
#include "graph/ui/label_glyphs.h"

namespace rv {

namespace {

QColor PaletteColor(double index) {
  return QColor::fromRgb(kGraphPalette.argb(static_cast<int>(std::clamp(std::floor(index + 0.5), 0.0, 255.0))));
}

// A line or a triangle of the frame, with the depth it is sorted by.
struct Piece {
  double depth = 0.0;
  int corners = 2;
  RasterVertex v[3];
};

RasterVertex Between(const RasterVertex& a, const RasterVertex& b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t, a.index + (b.index - a.index) * t};
}

// Keeps what a frame projects, to be painted afterwards in depth order. A
// long line is cut into pieces no longer than the surface's cells, so that
// each piece is ordered against the polygons beside it, not by the middle
// of the whole line.
class RecordingSink : public SceneSink {
 public:
  explicit RecordingSink(double longestPiece) : longestPiece_(longestPiece) {}

  // A piece of the wire grid goes by its nearer end and a little nearer
  // still, so that it comes after the polygons whose edges it runs along,
  // however steeply they turn away.
  void line(const RasterVertex& a, const RasterVertex& b, bool onSurface) override {
    const int count = std::max(1, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / longestPiece_)));
    for (int k = 0; k < count; ++k) {
      const RasterVertex from = Between(a, b, static_cast<double>(k) / count);
      const RasterVertex to = Between(a, b, static_cast<double>(k + 1) / count);
      const double depth = onSurface ? std::min(from.z, to.z) - kSurfaceLineBias : (from.z + to.z) / 2;
      pieces.push_back({depth, 2, {from, to, {}}});
    }
  }
  // A large triangle (a steep face of the surface) is halved across its
  // longest side until each piece is small, for the same reason.
  void triangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c) override {
    const double ab = std::hypot(b.x - a.x, b.y - a.y);
    const double bc = std::hypot(c.x - b.x, c.y - b.y);
    const double ca = std::hypot(a.x - c.x, a.y - c.y);
    const double longest = std::max({ab, bc, ca});
    if (longest <= 2 * longestPiece_ || !std::isfinite(longest)) {
      pieces.push_back({(a.z + b.z + c.z) / 3, 3, {a, b, c}});
      return;
    }
    if (longest == ab) {
      const RasterVertex m = Between(a, b, 0.5);
      triangle(a, m, c);
      triangle(m, b, c);
    } else if (longest == bc) {
      const RasterVertex m = Between(b, c, 0.5);
      triangle(a, b, m);
      triangle(a, m, c);
    } else {
      const RasterVertex m = Between(c, a, 0.5);
      triangle(a, b, m);
      triangle(m, b, c);
    }
  }
  void text(const TextBlock& block) override { texts.push_back(block); }

  std::vector<Piece> pieces;
  std::vector<TextBlock> texts;

 private:
  double longestPiece_;
};

void PaintGraph(QPainter& painter, const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs,
                const ViewState& view, const std::string& equationText, int size) {
  const Scene scene = BuildScene(model, options, glyphs);
  const double scale = static_cast<double>(size) / kPictureSize;
  RecordingSink frame(size / 40.0);
  ProjectScene(scene, PictureGlyphs(glyphs, size), view, {PictureViewport(size), size, size}, frame);

  // Window y runs upward from the bottom row, the painter's downward.
  const auto at = [size](const RasterVertex& v) { return QPointF(v.x, size - v.y); };
  painter.fillRect(QRectF(0, 0, size, size), PaletteColor(scene.clearIndex));
  // Far before near: what is nearer covers what lies behind it, as the
  // depth test decides in the raster picture.
  std::stable_sort(frame.pieces.begin(), frame.pieces.end(),
                   [](const Piece& a, const Piece& b) { return a.depth > b.depth; });
  const double lineWidth = PictureLineWidth(size);
  for (const Piece& piece : frame.pieces) {
    if (piece.corners == 2) {
      painter.setPen(
          QPen(PaletteColor((piece.v[0].index + piece.v[1].index) / 2), lineWidth, Qt::SolidLine, Qt::SquareCap));
      painter.drawLine(at(piece.v[0]), at(piece.v[1]));
      continue;
    }
    const QColor color = PaletteColor((piece.v[0].index + piece.v[1].index + piece.v[2].index) / 3);
    // A hairline of the fill's own colour closes the seams between
    // neighbouring triangles.
    painter.setPen(QPen(color, 0.5));
    painter.setBrush(color);
    const QPointF corners[3] = {at(piece.v[0]), at(piece.v[1]), at(piece.v[2])};
    painter.drawPolygon(corners, 3);
  }

  painter.setFont(LabelFont(std::max(scale, 1.0)));
  for (const TextBlock& block : frame.texts) {
    painter.setPen(PaletteColor(block.index));
    for (const TextRun& run : block.runs)
      painter.drawText(QPointF(run.x, size - run.y), QString::fromStdString(run.text));
  }

  if (const auto index = GraphColorIndex(options.color(kEquationText))) {
    if (const int cell = EquationTextCell(size, equationText); cell > 0) {
      painter.setFont(EquationTextFont(cell));
      painter.setPen(PaletteColor(*index));
      painter.drawText(EquationTextBand(size), Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(equationText));
    }
  }
  if (const auto index = GraphColorIndex(options.color(kBorderOutline))) {
    const double width = 2 * lineWidth;
    painter.setPen(QPen(PaletteColor(*index), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(width / 2, width / 2, size - width, size - width));
  }
}

}  // namespace

QByteArray GraphSvg(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs, const ViewState& view,
                    const std::string& equationText, int size) {
  QBuffer svg;
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(QSize(size, size));
  generator.setViewBox(QRect(0, 0, size, size));
  generator.setTitle(QStringLiteral("Regrovantis graph"));
  generator.setDescription(QString::fromStdString(equationText));
  QPainter painter(&generator);
  PaintGraph(painter, model, options, glyphs, view, equationText, size);
  painter.end();
  return svg.data();
}

QByteArray GraphPdf(const GraphModel& model, const GraphOptions& options, const GlyphSet& glyphs, const ViewState& view,
                    const std::string& equationText, int size) {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    // One point per unit: a page of size × size points.
    QPdfWriter writer(&pdf);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(size, size), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("Regrovantis graph"));
    writer.setCreator(QStringLiteral("Regrovantis"));
    QPainter painter(&writer);
    PaintGraph(painter, model, options, glyphs, view, equationText, size);
    painter.end();
  }
  return pdf.data();
}

}  // namespace rv
