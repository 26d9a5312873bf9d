#include "cli/input_file.h"

#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "files/data_file_io.h"
#include "files/delimited_text.h"
#include "files/file_paths.h"

namespace rv::cli {

const EquationRecord* InputFile::storedEquation() const {
  if (!dataFileSession || dataFileSession->selectedIndex < 0) return nullptr;
  return &dataFileSession->savedEquation;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CliError("cannot open '" + path + "'", 1);
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw CliError("cannot read '" + path + "'", 1);
  return content.str();
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
  const char delimiter = DelimiterForPath(path);
  if (delimiter == '\0') throw CliError("'" + path + "': expected a .rvd, .csv or .tsv file", 1);
  const DelimitedTextResult parsed = ParseDelimitedText(ReadWholeFile(path), delimiter);
  if (!parsed.ok) throw CliError(path + ": " + parsed.error, 1);
  input.document.sheet.cells = parsed.values;
  return input;
}

Document LoadDocument(const std::string& path) { return LoadInputFile(path).document; }

}  // namespace rv::cli
