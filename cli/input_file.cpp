#include "cli/input_file.h"

#include <cstdio>

#include "cli/text_options.h"
#include "files/data_file_io.h"
#include "files/delimited_text.h"
#include "files/file_paths.h"
#include "files/regular_file.h"
#include "files/text_encoding.h"
#include "files/text_import.h"
#include "sheet/quoted_text.h"

namespace rv::cli {

namespace {

constexpr const char* kStandardInput = "-";

constexpr const char* kOtherNamesHint =
    "\nWithout text options a .csv or .tsv file is read as the program exports a sheet, its columns named Y, X1 ...;"
    "\n--y and --x choose the columns of any other text by name or number, --sep sets its separator"
    " (regrovantis-cli search --help lists them all).";

std::string ReadTextFile(const std::string& path) {
  if (path == kStandardInput)
    return ReadStandardInput(kMaxDelimitedFileBytes,
                             "a sheet of " + std::to_string(kMaxSheetRows) + " points needs less");
  Outcome<std::string> read = ReadTextFileBytes(path);
  if (!read) throw CliError(read.message().text, 1);
  return std::move(*read);
}

// Standard input is tab-separated when its first line holds a tab.
char DelimiterOfText(const std::string& text) {
  const std::string firstLine = text.substr(0, text.find('\n'));
  return firstLine.find('\t') != std::string::npos ? '\t' : ',';
}

void TakeReading(TextImport& read, Document& document) {
  document.sheet.cells = std::move(read.values);
  for (int column = 0; column < kSheetColumns; ++column)
    if (!read.names[static_cast<size_t>(column)].empty())
      document.sheet.names[static_cast<size_t>(column)] = read.names[static_cast<size_t>(column)];
}

void ReadByOptions(const std::string& path, const std::string& text, const Arguments& arguments, Document& document) {
  const TextImportOptions options = TextOptionsFromArguments(arguments, text, path);
  TextImport read = ImportText(text, options);
  if (!read.error.empty()) {
    const std::string hint = TextOptionsHint(read, options);
    throw CliError(InputName(path) + ": " + read.error + (hint.empty() ? "" : " (" + hint + ")"), 1);
  }
  WarnAboutTextReading(InputName(path), read, options, arguments);
  TakeReading(read, document);
}

// What to give when a text fails to read as the program exports a sheet:
// other names call for --y and --x; a field that is no number in the
// export's own format, for the options that say how numbers are written.
// A fault of the text's layout (a line too long, say) has nothing to do
// with either.
std::string ExportedSheetHint(const TextImport& reading, const TextImportOptions& options) {
  if (reading.fault == TextImportFault::Names) return kOtherNamesHint;
  const std::string hint = TextOptionsHint(reading, options);
  return hint.empty() ? "" : " (" + hint + ")";
}

// A text read as the program exports a sheet: names Y, X1 ... The names
// take no part, as the program's own export names its columns by position.
void ReadAsExportedSheet(const std::string& path, const std::string& text, Document& document) {
  const char delimiter = path == kStandardInput ? DelimiterOfText(text) : DelimiterForPath(path);
  const TextImportOptions options = ExportedSheetOptions(delimiter);
  TextImport read = ImportText(text, options);
  if (!read.error.empty()) throw CliError(InputName(path) + ": " + read.error + ExportedSheetHint(read, options), 1);
  WarnAboutTextReading(InputName(path), read, options, Arguments{});
  document.sheet.cells = std::move(read.values);
}

}  // namespace

std::string ReadStandardInput(std::size_t limit, const std::string& whyLimit) {
  std::string text;
  char buffer[65536];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
    text.append(buffer, read);
    if (text.size() > limit)
      throw CliError("standard input holds more than " + SizeLimitText(limit) + "; " + whyLimit, 1);
  }
  if (std::ferror(stdin)) throw CliError("cannot read standard input", 1);
  return text;
}

std::string InputName(const std::string& path) {
  return path == kStandardInput ? "standard input" : "'" + EscapeControls(path, LineEnds::Escape) + "'";
}

const EquationRecord* InputFile::storedEquation() const {
  if (!dataFileSession || dataFileSession->selectedIndex < 0) return nullptr;
  return &dataFileSession->savedEquation;
}

InputFile LoadInputFile(const std::string& path, const Arguments& arguments) {
  InputFile input;
  if (path != kStandardInput && HasDataFileExtension(path)) {
    if (HasTextOptions(arguments))
      throw CliError("the text options (--sep, --y, --x and the others) are for text files, not a .rvd data file");
    Outcome<DataFileContents> loaded = LoadDataFile(path);
    if (!loaded) throw CliError(loaded.message().text, 1);
    input.document = std::move(loaded->document);
    input.dataFileSession = std::move(loaded->session);
    return input;
  }
  const bool byOptions = HasTextOptions(arguments);
  if (!byOptions && path != kStandardInput && DelimiterForPath(path) == '\0')
    throw CliError(InputName(path) + ": expected a .rvd, .csv or .tsv file, or give --sep for another text", 1);
  std::string bytes = ReadTextFile(path);
  const TextEncoding encoding = EncodingFromArguments(arguments, bytes);
  const std::string text = TakeDecodedText(std::move(bytes), encoding);
  if (byOptions) ReadByOptions(path, text, arguments, input.document);
  else ReadAsExportedSheet(path, text, input.document);
  return input;
}

Document LoadDocument(const std::string& path, const Arguments& arguments) {
  return LoadInputFile(path, arguments).document;
}

}  // namespace rv::cli
