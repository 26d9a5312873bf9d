#pragma once

#include <QByteArray>
#include <QImage>

#include "graph/frame_buffer.h"

namespace rv {

// The picture as an 8-bit indexed image whose colour table is GraphPalette.
QImage IndexedImage(const FrameBuffer& picture);

// The picture as the bytes of an indexed PNG file.
QByteArray IndexedPng(const FrameBuffer& picture);

}  // namespace rv
