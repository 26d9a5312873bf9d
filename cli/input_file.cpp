#include "cli/input_file.h"

#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "files/delimited_text.h"

namespace rv::cli {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CliError("cannot open '" + path + "'", 1);
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw CliError("cannot read '" + path + "'", 1);
  return content.str();
}

Document LoadDocument(const std::string& path) {
  const char delimiter = DelimiterForPath(path);
  if (delimiter == '\0') throw CliError("'" + path + "': expected a .csv or .tsv file", 1);
  const DelimitedTextResult parsed = ParseDelimitedText(ReadWholeFile(path), delimiter);
  if (!parsed.ok) throw CliError(path + ": " + parsed.error, 1);
  Document document;
  document.sheet.cells = parsed.values;
  return document;
}

}  // namespace rv::cli
