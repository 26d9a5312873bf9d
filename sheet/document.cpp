#include "sheet/document.h"

namespace rv {

std::string WindowTitle(const DocumentState& state) {
  return "Regrovantis - " + (state.fileTitle.empty() ? std::string("Untitled") : state.fileTitle);
}

}  // namespace rv
