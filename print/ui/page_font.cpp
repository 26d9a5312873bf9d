#include "print/ui/page_font.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace rv {

namespace {

// Metrics at this pixel size give the cell's share of the em precisely.
constexpr int kReferencePixelSize = 1000;

// What to fall back on when the face itself is not installed.
QFont::StyleHint HintFor(const QString& face) {
  if (face.contains(QLatin1String("Courier"), Qt::CaseInsensitive) ||
      face.contains(QLatin1String("Mono"), Qt::CaseInsensitive))
    return QFont::TypeWriter;
  if (face.contains(QLatin1String("Times"), Qt::CaseInsensitive) ||
      face.contains(QLatin1String("Serif"), Qt::CaseInsensitive))
    return QFont::Serif;
  return QFont::SansSerif;
}

}  // namespace

QFont PageFont(const PrintFontChoice& spec) {
  const QString face = QString::fromStdString(spec.face);
  QFont font(face);
  font.setStyleHint(HintFor(face), QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferQuality));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setWeight(QFont::Normal);
  font.setKerning(false);
  font.setPixelSize(kReferencePixelSize);
  const qreal cell = QFontMetricsF(font).height();
  const qreal pixels = cell > 0 ? spec.height * kReferencePixelSize / cell : spec.height;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  return font;
}

}  // namespace rv
