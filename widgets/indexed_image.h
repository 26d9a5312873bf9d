#pragma once

#include <QByteArray>
#include <QImage>

#include "base/frame_buffer.h"
#include "base/graph_palette.h"

namespace rv {

// The picture as an 8-bit indexed image whose colour table is the palette:
// the graph on the screen, on the clipboard, in a file and on the printed
// page is the same image.
QImage IndexedImage(const FrameBuffer& picture, const GraphPalette& palette = kGraphPalette);

// The picture encoded as an indexed PNG file's bytes; empty when it cannot
// be encoded.
QByteArray IndexedPng(const FrameBuffer& picture);

}  // namespace rv
