#include "graph/ui/graph_export.h"

#include <QByteArray>
#include <algorithm>
#include <cctype>

#include "graph/ui/graph_bitmap.h"
#include "graph/ui/vector_picture.h"
#include "widgets/indexed_image.h"

namespace rv {

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return PictureFormat::Png;
  if (extension == ".svg") return PictureFormat::Svg;
  if (extension == ".pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

std::vector<std::uint8_t> GraphPictureBytes(PictureFormat format, const GraphPictureRequest& r) {
  QByteArray bytes;
  switch (format) {
    case PictureFormat::Png:
      bytes = IndexedPng(RenderGraphBitmap(r.model, r.options, r.glyphs, r.view, r.equationText, r.size));
      break;
    case PictureFormat::Svg: bytes = GraphSvg(r.model, r.options, r.glyphs, r.view, r.equationText, r.size); break;
    case PictureFormat::Pdf: bytes = GraphPdf(r.model, r.options, r.glyphs, r.view, r.equationText, r.size); break;
  }
  return {bytes.begin(), bytes.end()};
}

}  // namespace rv
