#pragma once

#include <QImage>
#include <QString>

#include "graph/frame_buffer.h"

namespace rv {

// The picture as an 8-bit indexed image whose colour table is GraphPalette.
QImage IndexedImage(const FrameBuffer& picture);

// Writes the picture as an indexed PNG file; false when it cannot be written.
bool SaveIndexedPng(const FrameBuffer& picture, const QString& path);

}  // namespace rv
