#include "files/named_document.h"

#include "files/file_paths.h"

namespace rv {

void NameDocument(DocumentState& state, const std::string& path) {
  state.path = path;
  state.fileTitle = FileNameOfPath(path);
  state.dataFolder = FolderOfPath(path);
  state.named = true;
  state.modified = false;
}

}  // namespace rv
