#include "cli/input_file.h"

#include "cli/command_line.h"
#include "files/data_file_io.h"
#include "files/delimited_text.h"
#include "files/file_paths.h"

namespace rv::cli {

const EquationRecord* InputFile::storedEquation() const {
  if (!dataFileSession || dataFileSession->selectedIndex < 0) return nullptr;
  return &dataFileSession->savedEquation;
}

InputFile LoadInputFile(const std::string& path) {
  InputFile input;
  if (HasDataFileExtension(path)) {
    LoadResult loaded = LoadDataFile(path);
    if (loaded.failure != LoadFailure::None) throw CliError(loaded.message.text, 1);
    input.document = std::move(loaded.contents->document);
    input.dataFileSession = std::move(loaded.contents->session);
    return input;
  }
  if (DelimiterForPath(path) == '\0') throw CliError("'" + path + "': expected a .rvd, .csv or .tsv file", 1);
  const DelimitedTextResult parsed = ReadDelimitedFile(path);
  if (!parsed.ok) throw CliError(parsed.error, 1);
  input.document.sheet.cells = parsed.values;
  return input;
}

Document LoadDocument(const std::string& path) { return LoadInputFile(path).document; }

}  // namespace rv::cli
