#include "files/text_import.h"

#include <algorithm>
#include <optional>

#include "sheet/field_number.h"
#include "sheet/quoted_text.h"
#include "sheet/variable_name.h"

namespace rv {

namespace {

using Fields = std::vector<std::string>;

// A line of data and where it stands in the text (1-based).
struct TextLine {
  int number = 0;
  std::string_view text;
};

constexpr char kSeparators[] = {'\t', ';', ',', ' '};
constexpr int kLinesLookedAt = 30;

bool IsBlank(std::string_view line) { return TrimField(line).empty(); }

std::vector<TextLine> NonBlankLines(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<TextLine> lines;
  int number = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++number;
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!IsBlank(line)) lines.push_back({number, line});
    start = end + 1;
  }
  return lines;
}

// Splits at the separator; a field in double quotes may hold the separator,
// and "" within it is a quote. A blank separator is a run of blanks, and
// blanks at the ends of the line separate nothing.
Fields SplitFields(std::string_view line, char separator) {
  Fields fields;
  if (separator == ' ') line = TrimField(line);
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"' && TrimField(field).empty()) {
      field.clear();
      quoted = true;
    } else if (c == separator || (separator == ' ' && c == '\t')) {
      fields.push_back(std::move(field));
      field.clear();
      if (separator == ' ')
        while (i + 1 < line.size() && (line[i + 1] == ' ' || line[i + 1] == '\t')) ++i;
    } else {
      field += c;
    }
  }
  fields.push_back(std::move(field));
  return fields;
}

bool IsNumber(const std::string& field) { return ReadFieldNumber(field, false) || ReadFieldNumber(field, true); }

// Text only: no field is a number and one at least is not empty.
bool HoldsTextOnly(const Fields& fields) {
  bool text = false;
  for (const std::string& field : fields) {
    if (IsNumber(field)) return false;
    text = text || !TrimField(field).empty();
  }
  return text;
}

// The separator that gives the lines looked at the same number of fields,
// more than one, most often; tab first, then ';', ',' and blanks on a tie.
char DetectSeparator(const std::vector<TextLine>& lines) {
  char best = ',';
  int bestScore = 0;
  for (char separator : kSeparators) {
    std::vector<size_t> counts;
    for (size_t i = 0; i < lines.size() && i < kLinesLookedAt; ++i)
      counts.push_back(SplitFields(lines[i].text, separator).size());
    int score = 0;
    for (size_t count : counts)
      if (count > 1) score = std::max(score, static_cast<int>(std::count(counts.begin(), counts.end(), count)));
    if (score > bestScore) {
      best = separator;
      bestScore = score;
    }
  }
  return best;
}

int RoleOfName(std::string_view name) {
  name = TrimField(name);
  if (name == "Y" || name == "y") return 0;
  if (name.size() < 2 || name.size() > 3 || (name[0] != 'X' && name[0] != 'x') || name[1] == '0') return kLeftOutColumn;
  int number = 0;
  for (char c : name.substr(1)) {
    if (c < '0' || c > '9') return kLeftOutColumn;
    number = number * 10 + (c - '0');
  }
  return number >= 1 && number < kSheetColumns ? number : kLeftOutColumn;
}

std::vector<int> DefaultRoles(const Fields& headings, int columnCount) {
  std::vector<int> roles;
  std::array<bool, kSheetColumns> taken{};
  bool byName = !headings.empty();
  for (const std::string& heading : headings) {
    const int role = RoleOfName(heading);
    byName = byName && role != kLeftOutColumn && !taken[static_cast<size_t>(role)];
    if (byName) taken[static_cast<size_t>(role)] = true;
    roles.push_back(role);
  }
  if (byName) return roles;
  roles.clear();
  for (int column = 0; column < columnCount; ++column)
    roles.push_back(column < kSheetColumns ? column : kLeftOutColumn);
  return roles;
}

std::string Where(int line, int column) {
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

}  // namespace

std::string RoleName(int role) {
  if (role < 0 || role >= kSheetColumns) return "left out";
  return DefaultColumnName(role);
}

TextImportOptions DetectTextImportOptions(std::string_view text, std::optional<char> separator) {
  TextImportOptions options;
  const std::vector<TextLine> lines = NonBlankLines(text);
  options.separator = separator.value_or(lines.empty() ? ',' : DetectSeparator(lines));
  if (lines.empty()) return options;
  const Fields first = SplitFields(lines.front().text, options.separator);
  options.namesLine = HoldsTextOnly(first);
  // A sheet the program exported names its columns Y, X1 ...: an empty
  // cell there is one on purpose, and its row is kept.
  options.dropIncomplete = DefaultRoles(options.namesLine ? first : Fields{}, 0).empty();
  size_t data = options.namesLine ? 1 : 0;
  while (data < lines.size() && HoldsTextOnly(SplitFields(lines[data].text, options.separator))) {
    ++options.skipLines;
    ++data;
  }
  bool comma = false, point = false;
  for (size_t i = data; i < lines.size() && i < data + kLinesLookedAt; ++i)
    for (const std::string& field : SplitFields(lines[i].text, options.separator)) {
      point = point || field.find('.') != std::string::npos;
      comma = comma || (field.find(',') != std::string::npos && ReadFieldNumber(field, true));
    }
  options.decimalComma = comma && !point;
  return options;
}

TextImport ImportText(std::string_view text, const TextImportOptions& options, int previewRows) {
  TextImport result;
  const std::vector<TextLine> lines = NonBlankLines(text);
  size_t next = 0;
  if (options.namesLine && next < lines.size()) result.headings = SplitFields(lines[next++].text, options.separator);
  next = std::min(lines.size(), next + static_cast<size_t>(std::max(0, options.skipLines)));

  std::vector<std::pair<int, Fields>> rows;
  for (; next < lines.size(); ++next)
    rows.emplace_back(lines[next].number, SplitFields(lines[next].text, options.separator));
  result.columnCount = static_cast<int>(result.headings.size());
  for (const auto& row : rows) result.columnCount = std::max(result.columnCount, static_cast<int>(row.second.size()));
  for (size_t i = 0; i < rows.size() && static_cast<int>(i) < previewRows; ++i)
    result.firstRows.push_back(rows[i].second);
  result.rowsInText = static_cast<int>(rows.size());

  // A spreadsheet exports an empty row as ",,", wider than the sheet's
  // columns: the columns by default are those with a name or a value.
  int usedColumns = static_cast<int>(result.headings.size());
  for (const auto& row : rows)
    for (size_t column = 0; column < row.second.size(); ++column)
      if (!TrimField(row.second[column]).empty()) usedColumns = std::max(usedColumns, static_cast<int>(column) + 1);
  result.roles = options.roles.empty() ? DefaultRoles(result.headings, usedColumns) : options.roles;
  result.roles.resize(static_cast<size_t>(std::max<int>(result.columnCount, static_cast<int>(result.roles.size()))),
                      kLeftOutColumn);
  std::array<int, kSheetColumns> columnOfRole;
  columnOfRole.fill(-1);
  for (size_t column = 0; column < result.roles.size(); ++column) {
    const int role = result.roles[column];
    if (role == kLeftOutColumn) continue;
    if (role < 0 || role >= kSheetColumns) {
      result.error = "column " + std::to_string(column + 1) + " cannot be " + std::to_string(role);
      return result;
    }
    if (columnOfRole[static_cast<size_t>(role)] >= 0) {
      result.error = "columns " + std::to_string(columnOfRole[static_cast<size_t>(role)] + 1) + " and " +
                     std::to_string(column + 1) + " are both " + RoleName(role);
      return result;
    }
    columnOfRole[static_cast<size_t>(role)] = static_cast<int>(column);
    if (column < result.headings.size()) {
      const std::string& heading = result.headings[column];
      result.names[static_cast<size_t>(role)] = VariableNameFromText(heading);
      if (VariableNameIsCut(heading)) ++result.namesCut;
    }
  }
  if (columnOfRole[0] < 0) {
    result.error = "no column is Y";
    return result;
  }

  // The rows beyond the room are counted, not read: a user who keeps the
  // first rows need not mend the others.
  const int maxRows = std::clamp(options.maxRows, 0, kMaxSheetRows);
  for (const auto& [lineNumber, fields] : rows) {
    const auto fieldOf = [&fields = fields](int column) {
      return static_cast<size_t>(column) < fields.size() ? TrimField(fields[static_cast<size_t>(column)])
                                                         : std::string_view();
    };
    bool incomplete = false;
    for (int column : columnOfRole) incomplete = incomplete || (column >= 0 && fieldOf(column).empty());
    if (incomplete) ++result.rowsIncomplete;
    if (incomplete && options.dropIncomplete) {
      ++result.rowsDropped;
      continue;
    }
    if (result.rowsRead == maxRows) {
      ++result.rowsBeyond;
      continue;
    }
    result.values.ensureRows(result.rowsRead + 1);
    auto& values = result.values[static_cast<size_t>(result.rowsRead++)];
    for (int role = 0; role < kSheetColumns; ++role) {
      const int column = columnOfRole[static_cast<size_t>(role)];
      if (column < 0 || fieldOf(column).empty()) continue;
      const std::optional<double> value = ReadFieldNumber(fieldOf(column), options.decimalComma);
      // The rows are still counted after the first fault, for the
      // import dialog to show.
      if (!value && result.error.empty())
        result.error = Where(lineNumber, column + 1) + QuotedText(fieldOf(column)) + " is not a number" +
                       (options.decimalComma ? " with a decimal comma" : "");
      if (!value) continue;
      values[static_cast<size_t>(role)] = *value;
    }
  }
  if (result.rowsBeyond > 0 && !options.keepFirstRows && result.error.empty())
    result.error = "the text holds " + std::to_string(result.rowsRead + result.rowsBeyond) +
                   " rows of data, but a sheet holds at most " + std::to_string(maxRows);
  return result;
}

}  // namespace rv
