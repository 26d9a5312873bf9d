#include "graph/ui/equation_text.h"

#include <QImage>
#include <QPainter>

#include "graph/build_vector_graph.h"
#include "widgets/graph_fonts.h"

namespace rv {

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
    // A band far wider than the picture, centred on it: the text is centred
    // on the middle even when it is wider than the picture.
    const int half = picture.width * 8;
    painter.drawText(QRect(picture.width / 2 - half, EquationTextTop(picture.width), 2 * half, picture.height),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(text));
  }
  for (int y = 0; y < picture.height; ++y) {
    const uchar* line = mask.constScanLine(y);
    for (int x = 0; x < picture.width; ++x)
      if (line[x] >= 128) picture.at(x, y) = index;
  }
}

}  // namespace rv
