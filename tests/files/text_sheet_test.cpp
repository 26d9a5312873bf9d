#include <gtest/gtest.h>

#include <cstring>

#include "files/delimited_text.h"
#include "files/export_data_file.h"
#include "files/open_imported_text.h"
#include "files/stored_equation.h"
#include "sample_documents.h"
#include "temporary_folder.h"

namespace rv::testing {
namespace {

// A document as the program holds it after opening a data file: named, with
// its stored equation listed.
struct OpenSheet {
  Document document = SampleDocument();
  DataFileSession session = SampleSession();
  EquationList equations;
  OpenSheet() {
    document.state = {false, true, "/data/run 12.rvd", "run 12.rvd", "/data"};
    ListStoredEquation(session, equations);
  }
  // As the import dialog reads it when the user changes nothing.
  TextImport read(const std::string& path) const {
    const Outcome<std::string> bytes = ReadTextFileBytes(path);
    if (!bytes) ADD_FAILURE() << bytes.message().text;
    const std::string text = bytes ? *bytes : std::string();
    return ImportText(text, DetectTextImportOptions(text));
  }
  ViewUpdates open(const std::string& path) {
    const TextImport reading = read(path);
    EXPECT_EQ(reading.error, "");
    return OpenImportedText(path, reading, document, session, equations);
  }
};

class TextSheetTest : public ::testing::TestWithParam<const char*> {
 protected:
  TemporaryFolder folder;
};

// The sample's rows 10 to 97 hold no value: tab-separated, each would be a
// line of tabs only, which the reader skips as blank.
TEST_P(TextSheetTest, AnExportedSheetOpensWithEveryCellBitForBitAsANewUntitledSheet) {
  const std::string path = folder.file(std::string("run 12.") + GetParam());
  const Document exported = SampleDocument();
  ASSERT_TRUE(ExportDataFile(path, exported.sheet));

  OpenSheet sheet;
  ASSERT_EQ(sheet.equations.size(), 1);
  const ViewUpdates updates = sheet.open(path);
  EXPECT_FALSE(updates.notice);
  EXPECT_TRUE(updates.reloadSheet);
  EXPECT_TRUE(updates.reloadEquationList);
  EXPECT_TRUE(updates.releaseGraph);
  EXPECT_FALSE(updates.updateRecentFileMenu);

  const Document& document = sheet.document;
  EXPECT_TRUE(SameBits(document.sheet.cells, exported.sheet.cells));
  EXPECT_EQ(document.state.fileTitle, std::string("run 12.") + GetParam());
  EXPECT_FALSE(document.state.named) << "Save must ask for a data file's name";
  EXPECT_TRUE(document.state.path.empty());
  EXPECT_FALSE(document.state.modified);
  EXPECT_EQ(document.state.dataFolder, folder.path());
  // Everything else is as File New makes it; where Enter moves is the user's.
  EXPECT_EQ(document.sheet.names[1], "X1");
  EXPECT_EQ(document.sheet.columnWidth(2), kDefaultColumnWidth);
  EXPECT_TRUE(document.options.title1.empty());
  EXPECT_EQ(document.options.moveSelectionAfterEnter, 2);
  EXPECT_EQ(sheet.session.selectedIndex, -1);
  EXPECT_TRUE(sheet.equations.empty());
}

INSTANTIATE_TEST_SUITE_P(CommaAndTab, TextSheetTest, ::testing::Values("csv", "tsv"));

TEST(TextSheet, ARowWithoutValuesStaysALineInEitherForm) {
  SheetValues values;
  for (auto& row : values) row.fill(EmptyValue);
  values[0][0] = 1.0;
  values[0][1] = 2.0;
  values[2][1] = 3.0;
  EXPECT_EQ(FormatDelimitedText(values, '\t'), "Y\tX1\n1\t2\n\"\"\t\n\t3\n");
  EXPECT_EQ(FormatDelimitedText(values, ','), "Y,X1\n1,2\n,\n,3\n");
}

// A fault is found before anything changes: the import dialog shows it and
// keeps OK grey.
TEST(TextSheet, AFaultIsToldWithTheReadersWordsBeforeAnythingChanges) {
  TemporaryFolder folder;
  const std::string path = folder.file("bad.csv");
  WriteBytes(path, {'Y', ',', 'X', '1', '\n', '1', ',', '2', '\n', '3', ',', 'x', '\n'});
  const OpenSheet sheet;
  EXPECT_EQ(sheet.read(path).error, "line 3, column 2: 'x' is not a number");
  const Outcome<std::string> missing = ReadTextFileBytes(folder.file("gone.csv"));
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.message().text.find(folder.file("gone.csv")), std::string::npos);
  EXPECT_EQ(missing.message().kind, MessageKind::Error);
}

TEST(TextSheet, ExportKeepsATextExtensionAndGivesAnyOtherName) {
  EXPECT_EQ(ExportDataPath("/home/ann/run.csv"), "/home/ann/run.csv");
  EXPECT_EQ(ExportDataPath("/home/ann/run.TSV"), "/home/ann/run.TSV");
  EXPECT_EQ(ExportDataPath("/home/ann/run.txt"), "/home/ann/run.csv");
  EXPECT_EQ(ExportDataPath("/home/ann/run"), "/home/ann/run.csv");
  EXPECT_EQ(ExportDataPath("/home/ann/run.2024/data"), "/home/ann/run.2024/data.csv");
}

TEST(TextSheet, AnExportThatCannotBeWrittenSaysWhereAndWhy) {
  TemporaryFolder folder;
  const DataSheet sheet = SampleDocument().sheet;
  const Outcome<void> outcome = ExportDataFile(folder.file("missing/run.csv"), sheet);
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message().text.rfind("Error writing export file\n" + folder.file("missing/run.csv") + "\n(", 0), 0u)
      << outcome.message().text;
  EXPECT_EQ(outcome.message().kind, MessageKind::Error);
  EXPECT_FALSE(ExportDataFile(folder.path() + "/", sheet)) << "a folder is no file name";

  // A file already there is replaced whole.
  const std::string path = folder.file("run.csv");
  WriteBytes(path, std::vector<std::uint8_t>(100000, 'x'));
  ASSERT_TRUE(ExportDataFile(path, sheet));
  const Outcome<SheetValues> back = ReadDelimitedFile(path);
  ASSERT_TRUE(back) << back.message().text;
  EXPECT_TRUE(SameBits(*back, sheet.cells));
}

}  // namespace
}  // namespace rv::testing
