#include "widgets/vector_graph_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "widgets/graph_fonts.h"

namespace rv {

namespace {

QColor ColorOf(std::uint32_t rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

}  // namespace

void PaintVectorGraph(QPainter& painter, const VectorGraph& graph) {
  const double size = graph.size;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(QRectF(0, 0, size, size), ColorOf(graph.background));
  for (const VectorGraph::Piece& piece : graph.pieces) {
    const QColor color = ColorOf(piece.rgb);
    if (piece.corners == 2) {
      painter.setPen(QPen(color, graph.lineWidth, Qt::SolidLine, Qt::SquareCap));
      painter.drawLine(QPointF(piece.x[0], piece.y[0]), QPointF(piece.x[1], piece.y[1]));
      continue;
    }
    // A hairline of the fill's own colour closes the seams between
    // neighbouring triangles.
    painter.setPen(QPen(color, 0.5));
    painter.setBrush(color);
    const QPointF corners[3] = {{piece.x[0], piece.y[0]}, {piece.x[1], piece.y[1]}, {piece.x[2], piece.y[2]}};
    painter.drawPolygon(corners, 3);
  }
  painter.setFont(GraphLabelFont(graph.labelCell));
  for (const VectorGraph::Label& label : graph.labels) {
    painter.setPen(ColorOf(label.rgb));
    painter.drawText(QPointF(label.x, label.y), QString::fromStdString(label.text));
  }
  if (graph.equationCell > 0) {
    const QFont font = EquationTextFont(graph.equationCell);
    painter.setFont(font);
    painter.setPen(ColorOf(graph.equationRgb));
    // Centred on the middle even when it is wider than the picture.
    const QString text = QString::fromStdString(graph.equation);
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF((size - metrics.horizontalAdvance(text)) / 2, graph.equationTop + metrics.ascent()), text);
  }
  if (graph.border) {
    const double width = graph.borderWidth;
    painter.setPen(QPen(ColorOf(*graph.border), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(width / 2, width / 2, size - width, size - width));
  }
  painter.restore();
}

}  // namespace rv
