#include "widgets/indexed_image.h"

#include <QBuffer>
#include <QList>
#include <cstring>

namespace rv {

QImage IndexedImage(const FrameBuffer& picture, const GraphPalette& palette) {
  QImage image(picture.width, picture.height, QImage::Format_Indexed8);
  QList<QRgb> colors(kPaletteSize);
  for (int i = 0; i < kPaletteSize; ++i) colors[i] = palette.argb(i);
  image.setColorTable(colors);
  for (int y = 0; y < picture.height; ++y)
    std::memcpy(image.scanLine(y), picture.row(y), static_cast<size_t>(picture.width));
  return image;
}

QByteArray IndexedPng(const FrameBuffer& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!IndexedImage(picture).save(&buffer, "PNG")) return {};
  return bytes;
}

}  // namespace rv
