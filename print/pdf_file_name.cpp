#include "print/pdf_file_name.h"

namespace rv {

namespace {

std::string SheetTitle(const DocumentState& document) {
  return document.named && !document.fileTitle.empty() ? document.fileTitle : std::string("Untitled");
}

}  // namespace

std::string ReportTitle(const ReportName& report, const DocumentState& document) {
  return std::string(report.title) + " \u2014 " + SheetTitle(document);
}

std::string ReportFileStem(const ReportName& report, const DocumentState& document) {
  std::string name = SheetTitle(document);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name + "-" + report.fileWord;
}

std::string DefaultPdfPath(const std::string& fileStem, const std::string& lastPdfFolder, const DocumentState& document,
                           const std::string& programFolder) {
  const std::string& folder = !lastPdfFolder.empty()         ? lastPdfFolder
                              : !document.dataFolder.empty() ? document.dataFolder
                                                             : programFolder;
  if (folder.empty()) return fileStem + ".pdf";
  return folder + (folder.back() == '/' ? "" : "/") + fileStem + ".pdf";
}

}  // namespace rv
