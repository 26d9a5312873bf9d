#include "cli/input_file.h"

#include <cstdio>

#include "cli/text_options.h"
#include "files/data_file_io.h"
#include "files/delimited_text.h"
#include "files/file_paths.h"
#include "files/regular_file.h"
#include "files/text_import.h"
#include "sheet/quoted_text.h"

namespace rv::cli {

namespace {

constexpr const char* kStandardInput = "-";

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

void ReadByOptions(const std::string& path, const std::string& text, const TextImportOptions& options,
                   Document& document) {
  const TextImport read = ImportText(text, options);
  if (!read.error.empty())
    throw CliError(
        InputName(path) + ": " + read.error + (read.rowsBeyond > 0 ? " (--keep-first keeps the first ones)" : ""), 1);
  document.sheet.cells = read.values;
  for (int column = 0; column < kSheetColumns; ++column)
    if (!read.names[static_cast<size_t>(column)].empty())
      document.sheet.names[static_cast<size_t>(column)] = read.names[static_cast<size_t>(column)];
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
      throw CliError("--sep, --decimal-comma, --skip, --y, --x, --drop-incomplete and --keep-first are for text files");
    Outcome<DataFileContents> loaded = LoadDataFile(path);
    if (!loaded) throw CliError(loaded.message().text, 1);
    input.document = std::move(loaded->document);
    input.dataFileSession = std::move(loaded->session);
    return input;
  }
  const bool byOptions = HasTextOptions(arguments);
  if (!byOptions && path != kStandardInput && DelimiterForPath(path) == '\0')
    throw CliError(InputName(path) + ": expected a .rvd, .csv or .tsv file, or give --sep for another text", 1);
  const std::string text = ReadTextFile(path);
  if (byOptions) {
    ReadByOptions(path, text, TextOptionsFromArguments(arguments, text), input.document);
    return input;
  }
  const Outcome<SheetValues> parsed =
      ParseDelimitedText(text, path == kStandardInput ? DelimiterOfText(text) : DelimiterForPath(path));
  if (!parsed) throw CliError(InputName(path) + ": " + parsed.message().text, 1);
  input.document.sheet.cells = *parsed;
  return input;
}

Document LoadDocument(const std::string& path, const Arguments& arguments) {
  return LoadInputFile(path, arguments).document;
}

}  // namespace rv::cli
