#include "stats/ui/chart_picture.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "stats/chart_points.h"

namespace rv {

namespace {

constexpr int kFrameLeft = 250;
constexpr int kFrameTop = 50;
constexpr int kFrameRight = 1250;
constexpr int kFrameBottom = 1050;
constexpr int kPenWidth = 6;
// Where the captions start: "Observed" runs upwards, "Calculated" rightwards.
constexpr QPoint kObservedCaption(130, 660);
constexpr QPoint kCalculatedCaption(570, 1070);
// Each point's cross reaches this far before and after it.
constexpr int kCrossArmBefore = 12;
constexpr int kCrossArmAfter = 13;
// The captions' character cells are 80 units high; the letters themselves,
// without the cell's leading, are 66 units.
constexpr int kFontPixelSize = 66;

// The captions' face: a plain sans serif, whichever the reader has.
QFont PictureFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kFontPixelSize);
  font.setWeight(QFont::Normal);
  return font;
}

int PictureResolution() { return static_cast<int>(std::lround(kChartPictureUnits / kChartPictureInches)); }

}  // namespace

void DrawTextAt(QPainter& painter, QPoint topLeft, const QString& text, bool vertical) {
  painter.save();
  painter.translate(topLeft);
  if (vertical) painter.rotate(-90.0);
  painter.drawText(QPoint(0, QFontMetrics(painter.font()).ascent()), text);
  painter.restore();
}

void PaintChartPicture(QPainter& painter, const ResidualTable& table) {
  painter.setPen(QPen(Qt::black, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(kFrameLeft, kFrameTop, kFrameLeft, kFrameBottom);
  painter.drawLine(kFrameLeft, kFrameBottom, kFrameRight, kFrameBottom);
  painter.drawLine(kFrameRight, kFrameBottom, kFrameRight, kFrameTop);
  painter.drawLine(kFrameRight, kFrameTop, kFrameLeft, kFrameTop);
  painter.drawLine(kFrameLeft, kFrameBottom, kFrameRight, kFrameTop);

  painter.setFont(PictureFont());
  DrawTextAt(painter, kObservedCaption, QStringLiteral("Observed"), true);
  DrawTextAt(painter, kCalculatedCaption, QStringLiteral("Calculated"), false);

  painter.setPen(QPen(Qt::red, kPenWidth, Qt::SolidLine, Qt::FlatCap));
  for (const ChartPoint& point : ChartPoints(table, kPictureChartFrame)) {
    painter.drawLine(point.x, point.y - kCrossArmBefore, point.x, point.y + kCrossArmAfter);
    painter.drawLine(point.x - kCrossArmBefore, point.y, point.x + kCrossArmAfter, point.y);
  }
}

QByteArray ChartPictureSvg(const ResidualTable& table) {
  QBuffer svg;
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(QSize(kChartPictureUnits, kChartPictureUnits));
  generator.setViewBox(QRect(0, 0, kChartPictureUnits, kChartPictureUnits));
  generator.setResolution(PictureResolution());
  generator.setTitle(QStringLiteral("Observed versus calculated"));
  QPainter painter(&generator);
  painter.fillRect(QRect(0, 0, kChartPictureUnits, kChartPictureUnits), Qt::white);
  PaintChartPicture(painter, table);
  painter.end();
  return svg.data();
}

QImage ChartPictureImage(const ResidualTable& table) {
  QImage image(kChartPictureUnits, kChartPictureUnits, QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(std::lround(PictureResolution() / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintChartPicture(painter, table);
  return image;
}

QMimeData* ChartPictureMimeData(const ResidualTable& table) {
  auto* data = new QMimeData;
  data->setData(QStringLiteral("image/svg+xml"), ChartPictureSvg(table));
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  ChartPictureImage(table).save(&png, "PNG");
  data->setData(QStringLiteral("image/png"), png.data());
  return data;
}

}  // namespace rv
