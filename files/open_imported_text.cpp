#include "files/open_imported_text.h"

#include "files/file_paths.h"
#include "files/new_data_sheet.h"

namespace rv {

ViewUpdates OpenImportedText(const std::string& path, const TextImport& reading, Document& document,
                             DataFileSession& session, EquationList& equations) {
  const std::string source = AbsolutePath(path);
  const ViewUpdates updates = NewDataSheet(document, session, equations);
  document.sheet.cells = reading.values;
  document.options.weightedBySigma = reading.weightedBySigma;
  for (int column = 0; column < kSheetColumns; ++column)
    if (!reading.names[static_cast<size_t>(column)].empty())
      document.sheet.names[static_cast<size_t>(column)] = reading.names[static_cast<size_t>(column)];
  document.state.fileTitle = FileNameOfPath(source);
  document.state.dataFolder = FolderOfPath(source);
  return updates;
}

bool IsTextDataPath(const std::string& path) {
  return HasExtension(path, ".csv") || HasExtension(path, ".tsv") || HasExtension(path, ".txt");
}

}  // namespace rv
