#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include "stats/residual_table.h"

class QMimeData;
class QPainter;

namespace rv {

// The chart picture is a square of 1300 x 1300 units, four inches wide.
inline constexpr int kChartPictureUnits = 1300;
inline constexpr double kChartPictureInches = 4.0;

// Writes text with the top-left corner of its first character cell at
// topLeft, in the painter's font. Vertical text is turned a quarter to the
// left, so it reads upward and its top faces left.
void DrawTextAt(QPainter& painter, QPoint topLeft, const QString& text, bool vertical);

// The chart in units of the square: the frame, the diagonal, the captions
// "Observed" and "Calculated", and a red plus per data point.
void PaintChartPicture(QPainter& painter, const ResidualTable& table);

QByteArray ChartPictureSvg(const ResidualTable& table);
QImage ChartPictureImage(const ResidualTable& table);

// What the Residuals page copies in chart mode: the picture as SVG
// ("image/svg+xml") and as PNG ("image/png"), for programs that take either.
QMimeData* ChartPictureMimeData(const ResidualTable& table);

}  // namespace rv
