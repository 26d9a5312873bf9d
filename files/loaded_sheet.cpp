#include "files/loaded_sheet.h"

#include <utility>

namespace rv {

bool AdoptLoadedSheet(DataFileContents&& contents, Document& document, DataFileSession& session) {
  const bool shadeSurface = document.options.shadeSurface;
  document = std::move(contents.document);
  document.options.shadeSurface = shadeSurface;
  session = std::move(contents.session);
  return std::exchange(session.graphDrawn, false);
}

}  // namespace rv
