#include "files/text_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "files/text_encoding.h"

namespace rv {
namespace {

std::string LabFile() {
  std::ifstream in(REGROVANTIS_SOURCE_DIR "/tests/data/import/pendulum.csv", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The lab file: semicolons, a units row, decimal commas, blank lines and
// 120 rows. Detection finds how it is written, and all 120 rows are read;
// below a smaller room it is refused with its count unless the first rows
// are kept.
TEST(TextImport, TheLabFileIsDetectedAndReadWholeOrItsFirstRowsKeptWhenAsked) {
  const std::string text = LabFile();
  TextImportOptions options = DetectTextImportOptions(text);
  EXPECT_EQ(options.separator, ';');
  EXPECT_EQ(options.number, (NumberFormat{DecimalSign::Comma, ThousandsSeparator::None}));
  EXPECT_EQ(options.namesLine, 1);
  EXPECT_EQ(options.skipLines, 1);

  const TextImport whole = ImportText(text, options);
  ASSERT_EQ(whole.error, "");
  EXPECT_EQ(whole.rowsRead, 120);
  EXPECT_EQ(whole.values.rowCount(), 120);
  EXPECT_EQ(whole.rowsBeyond, 0);

  options.maxRows = 99;
  EXPECT_EQ(ImportText(text, options).error, "the text holds 120 rows of data, but a sheet holds at most 99");
  options.keepFirstRows = true;
  const TextImport read = ImportText(text, options, 5);
  ASSERT_EQ(read.error, "");
  EXPECT_EQ(read.rowsRead, 99);
  EXPECT_EQ(read.rowsBeyond, 21);
  EXPECT_EQ(read.names[0], "Length");
  EXPECT_EQ(read.names[1], "Period");
  EXPECT_EQ(read.values[0][0], 0.2);
  EXPECT_EQ(read.values[0][1], 0.8944);
  EXPECT_EQ(read.values[98][0], 1.18);
  EXPECT_TRUE(IsEmptyValue(read.values[0][2]));
  ASSERT_EQ(read.firstRows.size(), 5u);
  EXPECT_EQ(read.firstRows[0][0], "0,2000");
}

// A sheet holds 100,000 rows: a text of one more is refused with its count,
// or its first 100,000 kept when asked.
TEST(TextImport, UpTo100000RowsAreReadAndALongerTextRefusedOrCut) {
  const auto text = [](int rows) {
    std::string csv = "Y,X1\n";
    for (int i = 0; i < rows; ++i) csv += std::to_string(i) + ",1\n";
    return csv;
  };
  const struct {
    int rows;
    bool keepFirst;
    int rowsRead;
    const char* error;
  } cases[] = {
      {100000, false, 100000, ""},
      {100001, false, 100000, "the text holds 100001 rows of data, but a sheet holds at most 100000"},
      {100001, true, 100000, ""},
  };
  for (const auto& c : cases) {
    TextImportOptions options = DetectTextImportOptions(text(c.rows));
    options.keepFirstRows = c.keepFirst;
    const TextImport read = ImportText(text(c.rows), options);
    EXPECT_EQ(read.error, c.error) << c.rows;
    EXPECT_EQ(read.rowsRead, c.rowsRead) << c.rows;
    if (read.error.empty()) {
      EXPECT_EQ(read.values[99999][0], 99999.0) << c.rows;
    }
  }
}

// Roles by the names Y, X1 ... X16 when every name is one of them, else the
// first column Y and the rest X1, X2 ... in order, else as given; rows with
// an empty chosen field are kept (an empty cell) or dropped and counted.
TEST(TextImport, ColumnsGoWhereTheirRolesSayAndIncompleteRowsAreCountedOrDropped) {
  const struct {
    const char* text;
    std::vector<int> roles;
    bool drop;
    std::vector<std::vector<double>> sheet;  // rows of Y, X1, X2
    int dropped;
  } cases[] = {
      {"X1,Y\n1,2\n3,4\n", {}, false, {{2, 1}, {4, 3}}, 0},
      {"Depth,Time,Mass\n1,2,3\n", {}, false, {{1, 2, 3}}, 0},
      {"1 2 3\n  4\t 5   6\n", {}, false, {{1, 2, 3}, {4, 5, 6}}, 0},
      {"a,b,c\n1,2,3\n", {kLeftOutColumn, 0, 1}, false, {{2, 3}}, 0},
      {"a,b\n1,2\n,,\n3,\n5,6\n", {}, true, {{1, 2}, {5, 6}}, 2},
      {"a,b\n1,2\n,3\n5,6\n", {}, false, {{1, 2}, {EmptyValue, 3}, {5, 6}}, 0},
      {"a,b\n1,\"2\"\n\"3\",4,\"x,y\"\n", {0, 1}, false, {{1, 2}, {3, 4, EmptyValue}}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TextImportOptions options = DetectTextImportOptions(c.text);
    options.roles = c.roles;
    options.dropIncomplete = c.drop;
    const TextImport read = ImportText(c.text, options);
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.rowsRead, static_cast<int>(c.sheet.size()));
    EXPECT_EQ(read.rowsDropped, c.dropped);
    for (size_t r = 0; r < c.sheet.size(); ++r)
      for (size_t k = 0; k < c.sheet[r].size(); ++k) EXPECT_EQ(read.values[r][k], c.sheet[r][k]) << r << "," << k;
    EXPECT_TRUE(IsEmptyValue(read.values[c.sheet.size()][0]));
  }
}

TEST(TextImport, FaultsAreNamedWithLineAndColumnAndNamesAreCutToEightCharacters) {
  const struct {
    const char* text;
    std::vector<int> roles;
    const char* error;
  } cases[] = {
      {"Y,X1\n1,2\n\n3,abc\n", {}, "line 4, column 2: 'abc' is not a number"},
      {"Y;X1\n1;inf\n", {}, "line 2, column 2: 'inf' is not a number"},
      {"a,b\n1,2\n", {1, 1}, "columns 1 and 2 are both X1"},
      {"a,b\n1,2\n", {kLeftOutColumn, 1}, "no column is Y"},
      {"a,b\n1,\x1b[2J\n", {}, "line 2, column 2: '\\x1B[2J' is not a number"},
      {"a;b\nm;s\n", {}, "the text holds no rows of data below the line skipped"},
      {"a;b\n1,306;2\n", {}, "line 2, column 1: '1,306' may be 1.306 or 1306"},
      {"a,b\n,\n", {}, "its one row has an empty cell among the chosen columns"},
  };
  for (const auto& c : cases) {
    TextImportOptions options = DetectTextImportOptions(c.text);
    if (!c.roles.empty()) options.roles = c.roles;
    EXPECT_EQ(ImportText(c.text, options).error, c.error);
  }
  // The column named Y is Y wherever it stands.
  const TextImport named = ImportText("Temperature,Größe,Y\n1,2,3\n", {});
  EXPECT_EQ(named.names[0], "Y");
  EXPECT_EQ(named.names[1], "Temperat");
  EXPECT_EQ(named.names[2], "Größe");
  EXPECT_EQ(named.namesCut, 1);
}

// The strict reading of an exported sheet: what is wrong with the names is
// told apart from what is wrong with the lines (the tool's hints depend on
// it); a line too long is named first, a line wider than the names before
// anything the values hold, and the names, not namesLine or roles, say where
// the columns go.
TEST(TextImport, TheExportedSheetPresetRefusesOtherNamesAndLayoutsByTheirKind) {
  const std::string longLine = "Y,X1\n1," + std::string(9000, '2') + "\n";
  const std::string longNames = "Y,Q" + std::string(9000, 'x') + "\n1,2\n";
  const struct {
    std::string text;
    TextImportFault fault;
    const char* error;
  } cases[] = {
      {"\n# only a comment\n", TextImportFault::Names,
       "the file is empty: the first line must name the columns (Y, X1 ... X16)"},
      {"Y,x1,X1\n1,2,3\n", TextImportFault::Names, "line 1, column 3: column 'X1' is named twice"},
      {"Y,X01\n1,2\n", TextImportFault::Names, "line 1, column 2: unknown column name 'X01' (expected Y, X1 ... X16)"},
      {longLine, TextImportFault::Layout, "line 2: longer than 8192 bytes; no line of a data sheet is that long"},
      {longNames, TextImportFault::Names, "line 1: longer than 8192 bytes; no line of a data sheet is that long"},
      {"X1,X2\n1,abc\n4,5,6\n", TextImportFault::Layout,
       "line 3, column 3: the line has 3 fields, but the first line names 2 columns"},
      {"X1,X2\n1,2\n", TextImportFault::Roles, "no column is Y"},
      {"Y,X1\n1,abc\n", TextImportFault::NotANumber, "line 2, column 2: 'abc' is not a number"},
  };
  for (const auto& c : cases) {
    const TextImport read = ImportText(c.text, ExportedSheetOptions(','));
    EXPECT_EQ(read.fault, c.fault) << c.error;
    EXPECT_EQ(read.error, c.error);
  }
  TextImportOptions options = ExportedSheetOptions('\t');
  options.namesLine = 0;
  options.roles = {1, 0};
  const TextImport read = ImportText("# made by hand\n\nx2\ty\n3\t4\n", options);
  ASSERT_EQ(read.error, "");
  EXPECT_EQ(read.values[0][0], 4);
  EXPECT_EQ(read.values[0][2], 3);
}

// How the text is laid out: comments, the names line (in a comment or
// not), units below it but never a line of numbers, the separator (tab for a
// .tsv file), and rows dropped unless the names are the program's own.
TEST(TextImport, TheLayoutIsFoundAroundCommentsNamesAndUnits) {
  const struct {
    const char* text;
    std::optional<char> separator;
    char detected;
    int namesLine, skipLines;
    bool drop;
  } cases[] = {
      {"# logger\n# Time\tTemp\n0\t21\n1\t22\n", std::nullopt, '\t', 2, 0, true},
      {"# Time Temp, the comment\nTime;Temp\ns;K\n0;21\n", std::nullopt, ';', 2, 1, true},
      {"Time;Temp\n4.0031306D-02;1\n", std::nullopt, ';', 1, 0, true},
      {"Time;Temp\n1,306;x\n4;5\n", std::nullopt, ';', 1, 0, true},
      {"Time;Temp\nNA;NA\n4;5\n", std::nullopt, ';', 1, 0, true},
      {"# Time Temp Load\n0 21\n1 22\n", std::nullopt, ' ', 0, 0, true},
      {"a b,c\n1 2,3\n", '\t', '\t', 1, 0, true},
      {"Y,X1\n1,\n", std::nullopt, ',', 1, 0, false},
      {"y,x1\n1,\n", std::nullopt, ',', 1, 0, true},
      {"1 2\n3 4\n", std::nullopt, ' ', 0, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const TextImportOptions options = DetectTextImportOptions(c.text, {c.separator, {}});
    EXPECT_EQ(options.separator, c.detected);
    EXPECT_EQ(options.namesLine, c.namesLine);
    EXPECT_EQ(options.skipLines, c.skipLines);
    EXPECT_EQ(options.dropIncomplete, c.drop);
  }
  // Another comment mark, where the user names one.
  EXPECT_EQ(DetectTextImportOptions("% run 3\n1 2\n", {std::nullopt, "%"}).namesLine, 0);
  EXPECT_EQ(ImportText("% run 3\n1 2\n", DetectTextImportOptions("% run 3\n1 2\n", {std::nullopt, "%"})).rowsRead, 1);
}

// The roles unless the user chooses, and after each choice: the X variables
// always X1 ... Xm, without a hole, however the columns are chosen.
TEST(TextImport, ChosenRolesNumberTheXVariablesWithoutHoles) {
  constexpr int out = kLeftOutColumn;
  EXPECT_EQ(DefaultColumnRoles({"a", "b", "c"}, 3), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(DefaultColumnRoles({"a", "Y", "c"}, 3), (std::vector<int>{1, 0, 2}));
  EXPECT_EQ(DefaultColumnRoles({"X1", "Y"}, 2), (std::vector<int>{1, 0}));
  EXPECT_EQ(DefaultColumnRoles({"x1", "y"}, 2), (std::vector<int>{1, 0}));
  EXPECT_EQ(DefaultColumnRoles({}, 19).back(), out);
  const struct {
    std::vector<int> roles;
    int column, role;
    std::vector<int> chosen;
  } cases[] = {
      {{0, 1, 2, 3}, 2, 0, {1, 2, 0, 3}},        // Y: the old Y an X, the X variables in column order
      {{0, 1, 2, 3}, 1, out, {0, out, 1, 2}},    // left out: the later ones move down
      {{0, 1, 2, 3}, 3, 1, {0, 2, 3, 1}},        // X1: the others move up
      {{0, out, 1, out}, 3, 9, {0, out, 1, 2}},  // X9 of two: the next place
      {{0, 1, 2}, 0, 2, {2, 1, 3}},              // Y chosen as an X: no Y until one is chosen
      {{0, 1}, 4, 1, {0, 2, out, out, 1}},       // a column beyond the list
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseColumnRole(c.roles, c.column, c.role), c.chosen);
  std::vector<int> wide(20);
  for (int column = 0; column < 20; ++column) wide[static_cast<size_t>(column)] = column < 17 ? column : out;
  wide = ChooseColumnRole(wide, 19, 0);
  EXPECT_EQ(wide[19], 0);
  EXPECT_EQ(wide[0], 1);
  EXPECT_EQ(wide[15], 16);
  EXPECT_EQ(wide[16], out);  // X1 to X16 are taken
}

TEST(TextImport, EveryEncodingIsDecodedToUtf8) {
  const struct {
    std::string bytes;
    TextEncoding detected;
    const char* text;
  } cases[] = {
      {"Gr\xC3\xB6\xC3\x9F"
       "e",
       TextEncoding::Utf8, "Größe"},
      {"\xEF\xBB\xBFY,X1", TextEncoding::Utf8, "Y,X1"},
      {"Temp. \xB0"
       "C \x80",
       TextEncoding::Windows1252, "Temp. °C €"},
      {std::string("\xFF\xFEY\0\xB5\0\x3D\xD8\x00\xDE", 10), TextEncoding::Utf16LittleEndian, "Yµ😀"},
      {std::string("\xFE\xFF\0Y\0\xB5", 6), TextEncoding::Utf16BigEndian, "Yµ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(DetectTextEncoding(c.bytes), c.detected);
    EXPECT_EQ(DecodeText(c.bytes, c.detected), c.text);
    EXPECT_EQ(TakeDecodedText(std::string(c.bytes), c.detected), c.text);
  }
  EXPECT_EQ(DecodeText("\xB0"
                       "C",
                       TextEncoding::Latin1),
            "°C");
  EXPECT_EQ(DecodeText("a\xFF", TextEncoding::Utf8), "a\uFFFD");
  EXPECT_EQ(DecodeText(std::string("\xFF\xFE\x3D\xD8!", 5), TextEncoding::Utf16LittleEndian), "\uFFFD\uFFFD");
}

// A long text is read in two walks that report how far they got; asked to
// stop, the reading ends early and says so.
TEST(TextImport, AReadingReportsItsProgressAndStopsWhenAsked) {
  std::string text = "Y,X1\n";
  for (int i = 0; i < 20000; ++i) text += std::to_string(i) + ",1\n";
  TextImportProgress progress;
  const TextImport read = ImportText(text, DetectTextImportOptions(text), 0, &progress);
  EXPECT_EQ(read.error, "");
  EXPECT_EQ(read.rowsRead, 20000);
  EXPECT_GT(progress.done.load(), text.size());
  EXPECT_LE(progress.done.load(), 2 * text.size());
  progress.stop = true;
  const TextImport stopped = ImportText(text, DetectTextImportOptions(text), 0, &progress);
  EXPECT_EQ(stopped.fault, TextImportFault::Stopped);
  EXPECT_FALSE(stopped.error.empty());
}

}  // namespace
}  // namespace rv
