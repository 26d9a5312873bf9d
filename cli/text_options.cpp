#include "cli/text_options.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "files/delimited_text.h"
#include "sheet/field_number.h"
#include "sheet/quoted_text.h"

namespace rv::cli {

const std::set<std::string> kTextValueOptions = {"sep",   "thousands", "na", "encoding", "comment",
                                                 "names", "skip",      "y",  "x"};
const std::set<std::string> kTextFlagOptions = {"decimal-comma", "drop-incomplete", "keep-first"};

namespace {

constexpr size_t kNamesListed = 24;

char ParseSeparator(const std::string& text) {
  if (text == "," || text == "comma") return ',';
  if (text == ";" || text == "semicolon") return ';';
  if (text == "tab" || text == "\t" || text == "\\t") return '\t';
  if (text == "space" || text == " ") return ' ';
  throw CliError("--sep must be ',', ';', tab or space, not " + QuotedText(text, 40));
}

constexpr struct {
  const char* name;
  ThousandsSeparator separator;
} kThousands[] = {{"none", ThousandsSeparator::None},
                  {"comma", ThousandsSeparator::Comma},
                  {"point", ThousandsSeparator::Point},
                  {"apostrophe", ThousandsSeparator::Apostrophe},
                  {"thin", ThousandsSeparator::ThinSpace}};

ThousandsSeparator ParseThousands(const std::string& text) {
  for (const auto& choice : kThousands)
    if (text == choice.name) return choice.separator;
  throw CliError("--thousands must be none, comma, point, apostrophe or thin, not " + QuotedText(text, 40));
}

const char* ThousandsName(ThousandsSeparator separator) {
  for (const auto& choice : kThousands)
    if (choice.separator == separator) return choice.name;
  return "none";
}

constexpr struct {
  const char* name;
  TextEncoding encoding;
} kEncodings[] = {{"utf-8", TextEncoding::Utf8},
                  {"windows-1252", TextEncoding::Windows1252},
                  {"latin-1", TextEncoding::Latin1},
                  {"utf-16le", TextEncoding::Utf16LittleEndian},
                  {"utf-16be", TextEncoding::Utf16BigEndian}};

std::string SeparatorName(char separator) {
  switch (separator) {
    case '\t': return "tabs";
    case ' ': return "blanks";
    default: return std::string("'") + separator + "'";
  }
}

std::string NamesList(const std::vector<std::string>& names) {
  std::string list;
  for (size_t i = 0; i < names.size() && i < kNamesListed; ++i)
    list += (i > 0 ? ", " : "") + QuotedText(TrimField(names[i]), 40);
  return list + (names.size() > kNamesListed ? ", ..." : "");
}

// A column by its name in the names line, or by its number from 1. The
// message lists the names found and how they were found.
int ColumnOf(const std::string& word, const TextImport& shape, const TextImportOptions& options, const char* option) {
  for (size_t i = 0; i < shape.headings.size(); ++i)
    if (TrimField(shape.headings[i]) == TrimField(word)) return static_cast<int>(i);
  if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos && word.size() < 6) {
    const int number = std::stoi(word);
    if (number >= 1 && number <= shape.columnCount) return number - 1;
  }
  const std::string numbers = "or its number from 1 to " + std::to_string(shape.columnCount);
  if (shape.headings.empty())
    throw CliError(std::string(option) + " names no column: " + QuotedText(word, 40) +
                       ". The text has no line of names (--names N takes them from line N); give the column's name " +
                       numbers,
                   1);
  throw CliError(std::string(option) + " names no column: " + QuotedText(word, 40) + ". The names in line " +
                     std::to_string(options.namesLine) + ", split at " + SeparatorName(options.separator) + ", are " +
                     NamesList(shape.headings) + " (--sep splits at another separator, --names takes another line); " +
                     "give one of them " + numbers,
                 1);
}

std::vector<std::string> Words(const std::string& list) {
  std::vector<std::string> words;
  std::stringstream stream(list);
  for (std::string word; std::getline(stream, word, ',');) words.push_back(word);
  return words;
}

std::vector<int> RolesFromArguments(const Arguments& arguments, std::string_view text,
                                    const TextImportOptions& options) {
  // The text's shape and default roles, no value kept.
  TextImportOptions shapeOnly = options;
  shapeOnly.undecidedNumber.clear();
  shapeOnly.maxRows = 0;
  shapeOnly.keepFirstRows = true;
  const TextImport shape = ImportText(text, shapeOnly);
  std::vector<int> roles = shape.roles;
  if (arguments.has("y")) roles = ChooseColumnRole(roles, ColumnOf(arguments.value("y"), shape, options, "--y"), 0);
  if (!arguments.has("x")) return roles;
  for (int& role : roles)
    if (role >= 1) role = kLeftOutColumn;
  int variable = 0;
  for (const std::string& word : Words(arguments.value("x"))) {
    const int column = ColumnOf(word, shape, options, "--x");
    if (roles[static_cast<size_t>(column)] != kLeftOutColumn)
      throw CliError("--x names column " + QuotedText(word, 40) + " twice or as Y", 1);
    if (++variable >= kSheetColumns) throw CliError("--x names more than 16 columns", 1);
    roles = ChooseColumnRole(roles, column, variable);
  }
  return roles;
}

std::string FormatOptions(NumberFormat format) {
  std::string options;
  if (format.decimal == DecimalSign::Comma) options = "--decimal-comma";
  if (format.thousands != ThousandsSeparator::None)
    options += (options.empty() ? "" : " ") + std::string("--thousands ") + ThousandsName(format.thousands);
  return options.empty() ? "--thousands none" : options;
}

std::string NumberList(const std::vector<int>& lines) {
  std::string list;
  for (size_t i = 0; i < lines.size() && i < 5; ++i) list += (i > 0 ? ", " : "") + std::to_string(lines[i]);
  return list + (lines.size() > 5 ? ", ..." : "");
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
  if (arguments.has("skip")) ParseInteger(arguments.value("skip"), "--skip", 0, 1000000);
  if (arguments.has("names")) ParseInteger(arguments.value("names"), "--names", 0, 1000000);
  if (arguments.has("thousands")) ParseThousands(arguments.value("thousands"));
  if (arguments.has("encoding")) EncodingFromArguments(arguments, {});
}

TextEncoding EncodingFromArguments(const Arguments& arguments, std::string_view bytes) {
  if (!arguments.has("encoding")) return DetectTextEncoding(bytes);
  for (const auto& choice : kEncodings)
    if (arguments.value("encoding") == choice.name) return choice.encoding;
  throw CliError("--encoding must be utf-8, windows-1252, latin-1, utf-16le or utf-16be, not " +
                 QuotedText(arguments.value("encoding"), 40));
}

TextImportOptions TextOptionsFromArguments(const Arguments& arguments, std::string_view text, std::string_view path) {
  TextLayoutHints hints;
  if (arguments.has("sep")) hints.separator = ParseSeparator(arguments.value("sep"));
  else if (DelimiterForPath(path) == '\t') hints.separator = '\t';
  if (arguments.has("comment")) hints.commentMark = arguments.value("comment");
  TextImportOptions options = DetectTextImportOptions(text, hints);
  const bool decimalComma = arguments.flag("decimal-comma");
  if (decimalComma || arguments.has("thousands")) {
    const ThousandsSeparator thousands =
        arguments.has("thousands") ? ParseThousands(arguments.value("thousands")) : ThousandsSeparator::None;
    if (decimalComma && thousands == ThousandsSeparator::Comma)
      throw CliError("--decimal-comma and --thousands comma cannot both be: a comma is one or the other");
    const bool comma = decimalComma || thousands == ThousandsSeparator::Point;
    options.number = {comma ? DecimalSign::Comma : DecimalSign::Point, thousands};
    options.undecidedNumber.clear();
  }
  if (arguments.has("names"))
    options.namesLine = static_cast<int>(ParseInteger(arguments.value("names"), "--names", 0, 1000000));
  if (arguments.has("skip"))
    options.skipLines = static_cast<int>(ParseInteger(arguments.value("skip"), "--skip", 0, 1000000));
  if (arguments.has("na")) options.missingMarkers = MissingMarkersFromText(arguments.value("na"));
  options.dropIncomplete = arguments.flag("drop-incomplete");
  options.keepFirstRows = arguments.flag("keep-first");
  if (arguments.has("y") || arguments.has("x")) options.roles = RolesFromArguments(arguments, text, options);
  return options;
}

std::string TextOptionsHint(const TextImport& reading, const TextImportOptions& options) {
  switch (reading.fault) {
    case TextImportFault::UndecidedNumber:
      return "give " + FormatOptions(options.number) + ", or " + FormatOptions(options.otherNumber);
    case TextImportFault::NotANumber:
      return "--decimal-comma and --thousands say how numbers are written, --na which words are missing values, "
             "--skip how many lines below the names to leave out";
    case TextImportFault::ShortRow: return "--drop-incomplete leaves such rows out; --sep splits at another separator";
    case TextImportFault::TooManyRows: return "--keep-first keeps the first ones";
    case TextImportFault::NoRows: return "--names and --skip say where the data start";
    case TextImportFault::Roles: return "--y and --x choose the columns";
    case TextImportFault::None:
    case TextImportFault::Stopped:
    case TextImportFault::Names:
    case TextImportFault::Layout: break;
  }
  return {};
}

void WarnAboutTextReading(const std::string& name, const TextImport& reading, const TextImportOptions& options,
                          const Arguments& arguments) {
  // The empty cells of a sheet the program exported are meant.
  const int missing = NamesProgramColumns(reading.headings) ? reading.markedCells : reading.missingCells;
  if (missing > 0 && !options.dropIncomplete)
    std::fprintf(stderr,
                 "warning: %s: %d cell%s empty or marked missing (%s) and stay%s empty; "
                 "--drop-incomplete leaves out the rows holding them\n",
                 name.c_str(), missing, missing == 1 ? " is" : "s are",
                 MissingMarkersText(options.missingMarkers).c_str(), missing == 1 ? "s" : "");
  if (reading.rowsDropped > 0)
    std::fprintf(stderr, "warning: %s: %d row%s with an empty or missing cell %s left out\n", name.c_str(),
                 reading.rowsDropped, reading.rowsDropped == 1 ? "" : "s", reading.rowsDropped == 1 ? "is" : "are");
  if (!reading.skippedNumberLines.empty())
    std::fprintf(stderr, "warning: %s: --skip %d leaves out line%s %s, which hold%s numbers\n", name.c_str(),
                 options.skipLines, reading.skippedNumberLines.size() == 1 ? "" : "s",
                 NumberList(reading.skippedNumberLines).c_str(), reading.skippedNumberLines.size() == 1 ? "s" : "");
  if (arguments.has("x")) return;
  std::vector<int> leftOut;
  for (int column = 0; column < reading.usedColumns && column < static_cast<int>(reading.roles.size()); ++column)
    if (reading.roles[static_cast<size_t>(column)] == kLeftOutColumn) leftOut.push_back(column + 1);
  if (leftOut.empty()) return;
  std::vector<std::string> names;
  names.reserve(leftOut.size());
  for (int column : leftOut)
    names.push_back(static_cast<size_t>(column) <= reading.headings.size()
                        ? reading.headings[static_cast<size_t>(column) - 1]
                        : std::to_string(column));
  std::fprintf(stderr,
               "warning: %s: column%s %s (%s) %s left out: a sheet holds Y and 16 X variables; "
               "--y and --x choose the columns\n",
               name.c_str(), leftOut.size() == 1 ? "" : "s", NumberList(leftOut).c_str(), NamesList(names).c_str(),
               leftOut.size() == 1 ? "is" : "are");
}

}  // namespace rv::cli
