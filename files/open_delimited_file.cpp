#include "files/open_delimited_file.h"

#include "files/delimited_text.h"
#include "files/file_paths.h"
#include "files/new_data_sheet.h"

namespace rv {

FileOutcome OpenDelimitedFile(const std::string& path, Document& document, DataFileSession& session,
                              EquationList& equations) {
  const std::string source = AbsolutePath(path);
  const DelimitedTextResult read = ReadDelimitedFile(source);
  if (!read.ok) {
    FileOutcome refused;
    refused.message = FileMessage{read.error, FileMessageKind::Error};
    return refused;
  }
  FileOutcome outcome = NewDataSheet(document, session, equations);
  document.sheet.cells = read.values;
  document.state.fileTitle = FileNameOfPath(source);
  document.state.dataFolder = FolderOfPath(source);
  return outcome;
}

}  // namespace rv
