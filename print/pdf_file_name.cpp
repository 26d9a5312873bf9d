#include "print/pdf_file_name.h"

namespace rv {

std::string DefaultPdfPath(const DocumentState& document, const std::string& programFolder) {
  std::string name = document.named && !document.fileTitle.empty() ? document.fileTitle : std::string("Untitled");
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  const std::string& folder = document.dataFolder.empty() ? programFolder : document.dataFolder;
  if (folder.empty()) return name + ".pdf";
  return folder + (folder.back() == '/' ? "" : "/") + name + ".pdf";
}

}  // namespace rv
