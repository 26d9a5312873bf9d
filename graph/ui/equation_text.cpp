#include "graph/ui/equation_text.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "graph/ui/cell_height_font.h"

namespace rv {

namespace {

// At the 640-pixel picture's size; a larger picture scales them.
constexpr int kLargestCell = 32;
constexpr int kTextTop = 20;
constexpr int kReferenceSize = 640;

int Scaled(int pixels, int size) { return std::max(pixels, pixels * size / kReferenceSize); }

}  // namespace

int EquationTextCell(int pictureSize, const std::string& text) {
  if (text.empty()) return 0;
  return std::min(pictureSize * 2 / static_cast<int>(text.size()), Scaled(kLargestCell, pictureSize));
}

QFont EquationTextFont(int cellHeight) {
  return CellHeightFont(QStringLiteral("Times New Roman"), QFont::Serif, cellHeight);
}

QRect EquationTextBand(int pictureSize) {
  // A band far wider than the picture, centred on it: the text is centred
  // on the middle even when it is wider than the picture.
  const int half = pictureSize * 8;
  return QRect(pictureSize / 2 - half, Scaled(kTextTop, pictureSize), 2 * half, pictureSize);
}

void DrawEquationText(FrameBuffer& picture, const std::string& text, std::uint8_t index) {
  if (picture.width <= 0 || picture.height <= 0) return;
  const int cellHeight = EquationTextCell(picture.width, text);
  if (cellHeight <= 0) return;

  QImage mask(picture.width, picture.height, QImage::Format_Grayscale8);
  mask.fill(0);
  {
    QPainter painter(&mask);
    painter.setFont(EquationTextFont(cellHeight));
    painter.setPen(Qt::white);
    painter.drawText(EquationTextBand(picture.width), Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(text));
  }
  for (int y = 0; y < picture.height; ++y) {
    const uchar* line = mask.constScanLine(y);
    for (int x = 0; x < picture.width; ++x)
      if (line[x] >= 128) picture.at(x, y) = index;
  }
}

}  // namespace rv
