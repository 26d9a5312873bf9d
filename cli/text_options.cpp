#include "cli/text_options.h"

#include <sstream>
#include <vector>

#include "sheet/field_number.h"
#include "sheet/quoted_text.h"

namespace rv::cli {

const std::set<std::string> kTextValueOptions = {"sep", "skip", "y", "x"};
const std::set<std::string> kTextFlagOptions = {"decimal-comma", "drop-incomplete", "keep-first"};

namespace {

char ParseSeparator(const std::string& text) {
  if (text == "," || text == "comma") return ',';
  if (text == ";" || text == "semicolon") return ';';
  if (text == "tab" || text == "\t" || text == "\\t") return '\t';
  if (text == "space" || text == " ") return ' ';
  throw CliError("--sep must be ',', ';', tab or space, not " + QuotedText(text, 40));
}

int ParseSkip(const Arguments& arguments) {
  return static_cast<int>(ParseInteger(arguments.value("skip"), "--skip", 0, 1000000));
}

// A column by its name in the first line, or by its number from 1.
int ColumnOf(const std::string& word, const std::vector<std::string>& headings, int columnCount, const char* option) {
  for (size_t i = 0; i < headings.size(); ++i)
    if (TrimField(headings[i]) == TrimField(word)) return static_cast<int>(i);
  if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos && word.size() < 6) {
    const int number = std::stoi(word);
    if (number >= 1 && number <= columnCount) return number - 1;
  }
  throw CliError(std::string(option) + " names no column of the file: " + QuotedText(word, 40), 1);
}

}  // namespace

std::set<std::string> AndTextValueOptions(std::set<std::string> own) {
  own.insert(kTextValueOptions.begin(), kTextValueOptions.end());
  return own;
}

std::set<std::string> AndTextFlagOptions(std::set<std::string> own) {
  own.insert(kTextFlagOptions.begin(), kTextFlagOptions.end());
  return own;
}

bool HasTextOptions(const Arguments& arguments) {
  bool given = false;
  for (const std::string& name : kTextValueOptions) given = given || arguments.has(name);
  for (const std::string& name : kTextFlagOptions) given = given || arguments.flag(name);
  return given;
}

void CheckTextOptions(const Arguments& arguments) {
  if (arguments.has("sep")) ParseSeparator(arguments.value("sep"));
  if (arguments.has("skip")) ParseSkip(arguments);
}

TextImportOptions TextOptionsFromArguments(const Arguments& arguments, std::string_view text) {
  TextImportOptions options = arguments.has("sep")
                                  ? DetectTextImportOptions(text, ParseSeparator(arguments.value("sep")))
                                  : DetectTextImportOptions(text);
  if (arguments.flag("decimal-comma")) options.decimalComma = true;
  if (arguments.has("skip")) options.skipLines = ParseSkip(arguments);
  options.dropIncomplete = arguments.flag("drop-incomplete");
  options.keepFirstRows = arguments.flag("keep-first");
  if (arguments.has("y") || arguments.has("x")) {
    const TextImport shape = ImportText(text, options);
    const int y = arguments.has("y") ? ColumnOf(arguments.value("y"), shape.headings, shape.columnCount, "--y") : 0;
    options.roles.assign(static_cast<size_t>(shape.columnCount), kLeftOutColumn);
    options.roles[static_cast<size_t>(y)] = 0;
    int variable = 0;
    if (arguments.has("x")) {
      std::stringstream list(arguments.value("x"));
      std::string word;
      while (std::getline(list, word, ',')) {
        const int column = ColumnOf(word, shape.headings, shape.columnCount, "--x");
        if (options.roles[static_cast<size_t>(column)] != kLeftOutColumn)
          throw CliError("--x names column " + QuotedText(word, 40) + " twice or as Y", 1);
        if (++variable >= kSheetColumns) throw CliError("--x names more than 16 columns", 1);
        options.roles[static_cast<size_t>(column)] = variable;
      }
    } else {
      for (int column = 0; column < shape.columnCount && variable + 1 < kSheetColumns; ++column)
        if (column != y) options.roles[static_cast<size_t>(column)] = ++variable;
    }
  }
  return options;
}

}  // namespace rv::cli
