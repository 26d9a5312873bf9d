#pragma once

#include <QByteArray>
#include <QImage>

#include "graph/frame_buffer.h"

namespace rv {

// The picture as an 8-bit indexed image whose colour table is GraphPalette.
QImage IndexedImage(const FrameBuffer& picture);

// The picture encoded as an indexed PNG file's bytes; empty when it cannot
// be encoded.
QByteArray IndexedPng(const FrameBuffer& picture);

}  // namespace rv
