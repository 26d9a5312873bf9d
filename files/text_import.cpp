#include "files/text_import.h"

#include <algorithm>

#include "files/exported_sheet_names.h"
#include "files/text_fields.h"
#include "files/text_lines.h"
#include "regress/y_uncertainty.h"
#include "sheet/number_format_guess.h"
#include "sheet/quoted_text.h"
#include "sheet/value_text.h"
#include "sheet/variable_name.h"

namespace rv {

namespace {

using Fields = std::vector<std::string>;

constexpr char kSeparators[] = {'\t', ';', ',', ' '};
constexpr size_t kSeparatorLinesLookedAt = 30;
constexpr size_t kNumberLinesLookedAt = 1000;
constexpr int kLinesBetweenReports = 4096;
constexpr size_t kSkippedLinesKept = 100;

bool HoldsNumber(const Fields& fields) {
  return std::any_of(fields.begin(), fields.end(), [](const std::string& field) { return IsNumberInAnyFormat(field); });
}

// Text that is no missing marker, to tell names and units from a row whose
// values are all missing.
bool HoldsWords(const Fields& fields) {
  static const std::vector<std::string> markers = DefaultMissingMarkers();
  return std::any_of(fields.begin(), fields.end(),
                     [](const std::string& field) { return !IsMissingField(field, markers); });
}

// A sign and a digit, or a digit after a decimal sign: a number, perhaps
// written in a way no format reads (4.0031306Q-02), but a number.
bool LooksNumeric(std::string_view field) {
  field = TrimField(field);
  if (!field.empty() && (field.front() == '+' || field.front() == '-')) field.remove_prefix(1);
  if (!field.empty() && (field.front() == '.' || field.front() == ',')) field.remove_prefix(1);
  return !field.empty() && field.front() >= '0' && field.front() <= '9';
}

bool IsNamesLine(const Fields& fields) { return !HoldsNumber(fields) && HoldsWords(fields); }

// Units below the names: words only, nothing a number could be read from.
bool IsUnitsLine(const Fields& fields) {
  return HoldsWords(fields) && std::none_of(fields.begin(), fields.end(), LooksNumeric);
}

// The separator that gives the lines looked at the same number of fields,
// more than one, most often; tab first, then ';', ',' and blanks on a tie.
char DetectSeparator(const std::vector<TextLine>& lines) {
  char best = ',';
  size_t bestScore = 0;
  for (char separator : kSeparators) {
    std::vector<size_t> counts;
    for (size_t i = 0; i < lines.size() && i < kSeparatorLinesLookedAt; ++i)
      counts.push_back(SplitFields(lines[i].text, separator).size());
    size_t score = 0;
    for (size_t count : counts)
      if (count > 1) score = std::max(score, static_cast<size_t>(std::count(counts.begin(), counts.end(), count)));
    if (score > bestScore) {
      best = separator;
      bestScore = score;
    }
  }
  return best;
}

std::string Where(int line, int column) {
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

// The names line's fields, its comment mark left out; none without one.
Fields Headings(std::string_view text, const TextImportOptions& options) {
  if (options.namesLine <= 0) return {};
  TextLines lines(text);
  TextLine line;
  while (lines.next(line))
    if (line.number == options.namesLine) {
      if (IsBlankLine(line.text)) return {};
      return SplitFields(CommentText(line.text, options.commentMark), options.separator);
    }
  return {};
}

// Calls visit(line, fields, skipped) for every line of data, in order: the
// lines below the names line (every line without one) that are neither
// blank nor comments, the first skipLines of them skipped. `pass` is the
// reading's first or second walk through the text, for the progress. False
// when asked to stop.
template <class Visit>
bool ForEachDataLine(std::string_view text, const TextImportOptions& options, int pass, TextImportProgress* progress,
                     Visit&& visit) {
  TextLines lines(text);
  TextLine line;
  int skipped = 0;
  for (int count = 1; lines.next(line); ++count) {
    if (progress != nullptr && count % kLinesBetweenReports == 0) {
      progress->done = static_cast<size_t>(pass) * text.size() + lines.position();
      if (progress->stop) return false;
    }
    if (line.number <= options.namesLine || IsBlankLine(line.text) || IsCommentLine(line.text, options.commentMark))
      continue;
    const bool skip = skipped < options.skipLines;
    if (skip) ++skipped;
    visit(line, SplitFields(line.text, options.separator), skip);
  }
  return true;
}

std::string NumberText(std::string_view field, NumberFormat format) {
  const std::optional<double> value = ReadFieldNumber(field, format);
  return value ? ExactValueText(*value) : std::string("no number");
}

// The roles for every column: the given ones, or the default. An empty
// error when they can make a sheet.
std::string CheckRoles(const std::vector<int>& roles, std::array<int, kSheetColumns>& columnOfRole) {
  columnOfRole.fill(-1);
  for (size_t column = 0; column < roles.size(); ++column) {
    const int role = roles[column];
    if (role == kLeftOutColumn) continue;
    if (role < 0 || role >= kSheetColumns)
      return "column " + std::to_string(column + 1) + " cannot be " + std::to_string(role);
    if (columnOfRole[static_cast<size_t>(role)] >= 0)
      return "columns " + std::to_string(columnOfRole[static_cast<size_t>(role)] + 1) + " and " +
             std::to_string(column + 1) + " are both " + RoleName(role);
    columnOfRole[static_cast<size_t>(role)] = static_cast<int>(column);
  }
  return columnOfRole[0] < 0 ? "no column is Y" : "";
}

void Refuse(TextImport& result, TextImportFault fault, std::string error) {
  if (!result.error.empty()) return;
  result.fault = fault;
  result.error = std::move(error);
}

struct Shape {
  int usedColumns = 0;  // up to the last column with a name or a value
  int linesSkipped = 0;
  int undecidedLine = 0, undecidedColumn = 0;
};

// The first walk: how many rows and columns the text holds, what is
// skipped, the preview, and where the field in doubt stands.
Shape MeasureText(std::string_view text, const TextImportOptions& options, int previewRows,
                  TextImportProgress* progress, TextImport& result) {
  Shape shape;
  shape.usedColumns = static_cast<int>(result.headings.size());
  const std::string_view undecided = TrimField(options.undecidedNumber);
  const bool walked =
      ForEachDataLine(text, options, 0, progress, [&](const TextLine& line, Fields&& fields, bool skip) {
        if (skip) {
          ++shape.linesSkipped;
          if (HoldsNumber(fields) && result.skippedNumberLines.size() < kSkippedLinesKept)
            result.skippedNumberLines.push_back(line.number);
          return;
        }
        ++result.rowsInText;
        if (static_cast<int>(fields.size()) > result.columnCount) {
          result.columnCount = static_cast<int>(fields.size());
          result.widestLine = line.number;
        }
        for (size_t column = fields.size(); column-- > static_cast<size_t>(shape.usedColumns);)
          if (!IsMissingField(fields[column], options.missingMarkers)) {
            shape.usedColumns = static_cast<int>(column) + 1;
            break;
          }
        for (size_t column = 0; shape.undecidedLine == 0 && !undecided.empty() && column < fields.size(); ++column)
          if (TrimField(fields[column]) == undecided) {
            shape.undecidedLine = line.number;
            shape.undecidedColumn = static_cast<int>(column) + 1;
          }
        if (static_cast<int>(result.firstRows.size()) < previewRows) result.firstRows.push_back(std::move(fields));
      });
  if (!walked) Refuse(result, TextImportFault::Stopped, "stopped");
  result.columnCount = std::max(result.columnCount, static_cast<int>(result.headings.size()));
  return shape;
}

// The second walk: the values of the chosen columns.
void ReadValues(std::string_view text, const TextImportOptions& options, const std::array<int, kSheetColumns>& columnOf,
                const Shape& shape, TextImportProgress* progress, TextImport& result) {
  // Blanks between fields hide an empty one: a short row cannot be placed.
  const size_t width = result.headings.empty() ? static_cast<size_t>(result.columnCount) : result.headings.size();
  const int maxRows = std::clamp(options.maxRows, 0, kMaxSheetRows);
  // The rows at once, not by doubling: a long text's sheet is held once.
  result.values.ensureRows(std::min(result.rowsInText, maxRows));
  bool anyValue = false;
  const bool walked =
      ForEachDataLine(text, options, 1, progress, [&](const TextLine& line, Fields&& fields, bool skip) {
        if (skip) return;
        const auto missing = [&](int column) {
          return static_cast<size_t>(column) >= fields.size() ||
                 IsMissingField(fields[static_cast<size_t>(column)], options.missingMarkers);
        };
        const bool isShort = options.separator == ' ' && fields.size() < width;
        bool incomplete = isShort;
        for (int column : columnOf) incomplete = incomplete || (column >= 0 && missing(column));
        if (incomplete) ++result.rowsIncomplete;
        if (isShort) ++result.rowsShort;
        if (incomplete && options.dropIncomplete) {
          ++result.rowsDropped;
          return;
        }
        if (isShort)
          Refuse(result, TextImportFault::ShortRow,
                 "line " + std::to_string(line.number) + " holds " + std::to_string(fields.size()) + " of " +
                     std::to_string(width) +
                     " fields, and with blanks between the fields the empty one cannot be placed");
        if (result.rowsRead == maxRows) {
          ++result.rowsBeyond;
          return;
        }
        result.values.ensureRows(result.rowsRead + 1);
        auto& values = result.values[static_cast<size_t>(result.rowsRead++)];
        for (int role = 0; role < kSheetColumns; ++role) {
          const int column = columnOf[static_cast<size_t>(role)];
          if (column < 0) continue;
          if (missing(column)) {
            ++result.missingCells;
            if (static_cast<size_t>(column) < fields.size() && !TrimField(fields[static_cast<size_t>(column)]).empty())
              ++result.markedCells;
            continue;
          }
          const std::string& field = fields[static_cast<size_t>(column)];
          const std::optional<double> value = ReadFieldNumber(field, options.number);
          // The rows are still counted after the first fault, for the import
          // dialog to show.
          if (!value)
            Refuse(result, TextImportFault::NotANumber,
                   Where(line.number, column + 1) + QuotedText(TrimField(field)) + " is not a number");
          if (!value) continue;
          values[static_cast<size_t>(role)] = *value;
          anyValue = true;
        }
      });
  if (!walked) Refuse(result, TextImportFault::Stopped, "stopped");
  // Rows dropped leave room at the end that no row took.
  result.values.dropEmptyTail();
  if (result.rowsBeyond > 0 && !options.keepFirstRows)
    Refuse(result, TextImportFault::TooManyRows,
           "the text holds " + std::to_string(result.rowsRead + result.rowsBeyond) +
               " rows of data, but a sheet holds at most " + std::to_string(maxRows));
  if (result.rowsInText == 0)
    Refuse(result, TextImportFault::NoRows,
           "the text holds no rows of data" +
               (shape.linesSkipped == 1  ? std::string(" below the line skipped")
                : shape.linesSkipped > 1 ? " below the " + std::to_string(shape.linesSkipped) + " lines skipped"
                                         : std::string()));
  if (result.rowsRead == 0)
    Refuse(result, TextImportFault::NoRows,
           result.rowsDropped == 1
               ? std::string("its one row has an empty cell among the chosen columns")
               : "all " + std::to_string(result.rowsDropped) + " rows have an empty cell among the chosen columns");
  if (!anyValue) Refuse(result, TextImportFault::NoRows, "the chosen columns hold no values");
}

// The strict reading's names line and roles in the options; false, with the
// refusal in the result, when the text is no sheet as the program exports
// it. A line too long is named first, but the fault stays that of the names
// when they are wrong too, since the names tell what kind of text it is.
bool TakeExportedColumns(std::string_view text, TextImportOptions& options, TextImport& result) {
  const std::optional<std::string> tooLong = ExportedLineTooLong(text);
  const Outcome<ExportedColumns> columns = ExportedSheetColumns(text, options.separator, options.commentMark);
  if (tooLong) Refuse(result, columns ? TextImportFault::Layout : TextImportFault::Names, *tooLong);
  if (!columns) Refuse(result, TextImportFault::Names, columns.message().text);
  if (!result.error.empty()) return false;
  options.namesLine = columns->namesLine;
  options.roles = columns->roles;
  return true;
}

}  // namespace

TextImportOptions ExportedSheetOptions(char separator) {
  TextImportOptions options;
  options.separator = separator;
  options.exportedSheet = true;
  return options;
}

TextImportOptions DetectTextImportOptions(std::string_view text, const TextLayoutHints& hints) {
  TextImportOptions options;
  options.commentMark = hints.commentMark;
  // The lines that are neither blank nor comments, as many as are looked
  // at, and the last comment above the first of them.
  std::vector<TextLine> lines;
  std::optional<TextLine> comment;
  TextLines walk(text);
  for (TextLine line; lines.size() < kNumberLinesLookedAt + kSeparatorLinesLookedAt && walk.next(line);) {
    if (IsBlankLine(line.text)) continue;
    if (IsCommentLine(line.text, options.commentMark)) {
      if (lines.empty()) comment = line;
      continue;
    }
    lines.push_back(line);
  }
  options.separator = hints.separator.value_or(lines.empty() ? ',' : DetectSeparator(lines));
  options.namesLine = 0;
  if (lines.empty()) return options;

  const Fields first = SplitFields(lines.front().text, options.separator);
  Fields headings;
  size_t data = 0;
  if (IsNamesLine(first)) {
    options.namesLine = lines.front().number;
    headings = first;
    data = 1;
  } else if (comment) {
    Fields named = SplitFields(CommentText(comment->text, options.commentMark), options.separator);
    if (named.size() > 1 && named.size() == first.size() && IsNamesLine(named)) {
      options.namesLine = comment->number;
      headings = std::move(named);
    }
  }
  while (data < lines.size() && IsUnitsLine(SplitFields(lines[data].text, options.separator))) {
    ++options.skipLines;
    ++data;
  }
  std::vector<Fields> rows;
  std::vector<std::string_view> fields;
  for (size_t i = data; i < lines.size() && i < data + kNumberLinesLookedAt; ++i)
    rows.push_back(SplitFields(lines[i].text, options.separator));
  for (const Fields& row : rows) fields.insert(fields.end(), row.begin(), row.end());
  const NumberFormatGuess guess = GuessNumberFormat(fields, options.separator == ',');
  options.number = guess.format;
  options.undecidedNumber = guess.undecided;
  options.otherNumber = guess.other;
  options.dropIncomplete = !NamesProgramColumns(headings);
  return options;
}

TextImport ImportText(std::string_view text, const TextImportOptions& given, int previewRows,
                      TextImportProgress* progress) {
  TextImport result;
  TextImportOptions options = given;
  if (options.exportedSheet && !TakeExportedColumns(text, options, result)) return result;
  result.headings = Headings(text, options);
  const Shape shape = MeasureText(text, options, previewRows, progress, result);
  if (result.fault == TextImportFault::Stopped) return result;
  const auto named = static_cast<int>(options.roles.size());
  if (options.exportedSheet && result.columnCount > named) {
    Refuse(result, TextImportFault::Layout,
           Where(result.widestLine, named + 1) + "the line has " + std::to_string(result.columnCount) +
               " fields, but the first line names " + std::to_string(named) + " columns");
    return result;
  }

  result.usedColumns = shape.usedColumns;
  result.roles = options.roles.empty() ? DefaultColumnRoles(result.headings, shape.usedColumns) : options.roles;
  result.roles.resize(static_cast<size_t>(std::max<int>(result.columnCount, static_cast<int>(result.roles.size()))),
                      kLeftOutColumn);
  std::array<int, kSheetColumns> columnOf{};
  if (std::string fault = CheckRoles(result.roles, columnOf); !fault.empty()) {
    Refuse(result, TextImportFault::Roles, std::move(fault));
    return result;
  }
  result.weightedBySigma =
      options.sigmaOfY && std::find(result.roles.begin(), result.roles.end(), kSigmaColumn) != result.roles.end();
  for (size_t column = 0; column < result.headings.size(); ++column) {
    const int role = result.roles[column];
    if (role == kLeftOutColumn) continue;
    const std::string& heading = result.headings[column];
    result.names[static_cast<size_t>(role)] = VariableNameFromText(heading);
    if (VariableNameIsCut(heading)) ++result.namesCut;
  }
  if (!options.undecidedNumber.empty()) {
    const std::string_view field = TrimField(options.undecidedNumber);
    Refuse(result, TextImportFault::UndecidedNumber,
           (shape.undecidedLine > 0 ? Where(shape.undecidedLine, shape.undecidedColumn) : std::string()) +
               QuotedText(field) + " may be " + NumberText(field, options.number) + " or " +
               NumberText(field, options.otherNumber));
    return result;
  }
  ReadValues(text, options, columnOf, shape, progress, result);
  return result;
}

}  // namespace rv
