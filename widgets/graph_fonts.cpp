#include "widgets/graph_fonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace rv {

QFont CellHeightFont(const QString& family, QFont::StyleHint hint, int cellHeight) {
  constexpr int kReferenceSize = 100;
  QFont font(family);
  font.setStyleHint(hint);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setWeight(QFont::Normal);
  font.setPixelSize(kReferenceSize);
  const double cellPerPixel = QFontMetricsF(font).height() / kReferenceSize;
  const int pixelSize = cellPerPixel > 0 ? static_cast<int>(std::lround(cellHeight / cellPerPixel)) : cellHeight;
  font.setPixelSize(std::max(pixelSize, 1));
  return font;
}

QFont GraphLabelFont(int cellHeight) {
  return CellHeightFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, cellHeight);
}

QFont EquationTextFont(int cellHeight) {
  return CellHeightFont(QStringLiteral("Times New Roman"), QFont::Serif, cellHeight);
}

}  // namespace rv
