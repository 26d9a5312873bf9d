#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/column_roles.h"
#include "sheet/data_sheet.h"
#include "sheet/field_number.h"
#include "sheet/missing_values.h"

namespace rv {

// How a text of measurements, as instruments and spreadsheets write it, is
// read into a sheet.
struct TextImportOptions {
  char separator = ',';  // ',', ';', '\t', or ' ' (a run of blanks)
  NumberFormat number;
  // A field that two formats read as different numbers when nothing in the
  // text tells which is meant ("1,306"), and the format other than `number`
  // that reads it. While it is set, the reading is refused: the user must
  // say which format the text uses.
  std::string undecidedNumber;
  NumberFormat otherNumber;
  // The line (from 1) that names the columns, a comment line or not; 0 for
  // none.
  int namesLine = 1;
  // Lines of data left out below the names line (units, say), or from the
  // top without one. Blank lines and comments are left out anyway and not
  // counted.
  int skipLines = 0;
  // Lines whose first character after the blanks is '#', or this mark when
  // it is not empty, are comments.
  std::string commentMark;
  // Fields that are missing values, as an empty field is (IsMissingField).
  std::vector<std::string> missingMarkers = DefaultMissingMarkers();
  // Per column of the text: 0 Y, c for Xc, or kLeftOutColumn; columns beyond
  // the list are left out. Empty: DefaultColumnRoles.
  std::vector<int> roles;
  // The column that goes to X16 holds sigma of Y ("\u03c3 of Y"): the sheet
  // weights every fit by it.
  bool sigmaOfY = false;
  // Rows with an empty or missing field among the chosen columns are left
  // out; so are blank-separated rows with fewer fields than the text has
  // columns.
  bool dropIncomplete = false;
  // More rows than maxRows are refused with their count, or, with this, the
  // first maxRows kept.
  bool keepFirstRows = false;
  int maxRows = kMaxSheetRows;
  // The strict reading of a sheet as the program exports it: the first line
  // that is neither blank nor a comment names the columns (Y, X1 ... X16,
  // each once, in any order: ExportedSheetColumns), which go where their
  // names say, whatever namesLine and roles hold; no line is longer than
  // kMaxExportedLineBytes or holds more fields than the names.
  bool exportedSheet = false;
};

// The options of the strict reading, with every other option as it is by
// default: how the tool reads a .csv or .tsv file given without options.
TextImportOptions ExportedSheetOptions(char separator);

// What the reader tells its callers apart by, to add what they can do about it.
// Names and Layout only in the strict reading: names that are not the
// program's columns, and a line too long or with more fields than names.
enum class TextImportFault {
  None,
  Roles,
  UndecidedNumber,
  NotANumber,
  ShortRow,
  NoRows,
  TooManyRows,
  Stopped,
  Names,
  Layout
};

struct TextImport {
  // Empty when the text was read; else what is wrong and where (line and
  // column of the text), and the values below are not to be used.
  std::string error;
  TextImportFault fault = TextImportFault::None;
  std::vector<std::string> headings;  // the names line's fields; empty without one
  std::vector<int> roles;             // the role of every column of the text as read
  bool weightedBySigma = false;       // some column is sigma of Y, in X16
  int columnCount = 0;                // fields of the widest line
  int usedColumns = 0;                // columns up to the last holding a name or a value
  int widestLine = 0;                 // the first line with that many fields
  SheetValues values;                 // the rows read (at least kSheetRows), the rest empty
  // The names the chosen columns give their variables (cut to
  // kMaxNameLength characters); empty where the column keeps its own.
  std::array<std::string, kSheetColumns> names;
  int namesCut = 0;        // names longer than a variable's name may be
  int rowsRead = 0;        // rows in values
  int rowsIncomplete = 0;  // rows with an empty or missing field among the chosen columns, or short
  int rowsShort = 0;       // of those, blank-separated rows with fewer fields than columns
  int rowsDropped = 0;     // of those, left out
  int rowsBeyond = 0;      // rows beyond maxRows left out
  int rowsInText = 0;      // data rows the text holds
  int missingCells = 0;    // cells of the rows read left empty: empty or missing fields
  int markedCells = 0;     // of those, fields that are missing markers
  // Lines that skipLines left out although they hold a number.
  std::vector<int> skippedNumberLines;
  // The first lines of data as the text splits them, for a preview.
  std::vector<std::vector<std::string>> firstRows;
};

// How far a reading has gone, for a progress bar, and a request to stop it:
// a long text is read on a worker thread while the window shows this.
struct TextImportProgress {
  std::atomic<std::size_t> done{0};  // of twice the text's bytes: it is read twice
  std::atomic<bool> stop{false};
};

// What the caller knows of the text beyond its bytes: the separator (given
// by the user, or tab for a .tsv file) and another comment mark.
struct TextLayoutHints {
  std::optional<char> separator;
  std::string commentMark;
};

// The options the text most likely wants: the separator that splits its
// lines into the same number of fields; the names line, the first line that
// is not a comment when its fields are no numbers, else the last comment
// above it that splits into as many fields, all text; as many lines to skip
// below it as hold text only and nothing that looks like a number; the
// number format its fields show (GuessNumberFormat); and rows with an empty
// or missing cell dropped, unless the names are Y, X1 ... as the program
// exports a sheet, where an empty cell is one on purpose.
TextImportOptions DetectTextImportOptions(std::string_view text, const TextLayoutHints& hints = {});

// Reads the text (UTF-8) by the options. Every chosen field must be missing
// or a finite number (ReadFieldNumber); the first that is not is the error.
// Rows beyond maxRows are counted, not kept. With a progress, the reading
// reports how far it got and ends early, with TextImportFault::Stopped,
// when asked to stop.
TextImport ImportText(std::string_view text, const TextImportOptions& options, int previewRows = 0,
                      TextImportProgress* progress = nullptr);

}  // namespace rv
