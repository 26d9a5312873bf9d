#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>
#include <cstring>
#include <fstream>

#include "app/command_actions.h"
#include "app/sheet_history.h"
#include "files/ui/import_dialog.h"
#include "graph/graph_fixture.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/indexed_image.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// OK in the import dialog, with what it found in the text.
void AcceptImport(QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); }

// Values that only print and read back exactly with all their digits, with
// empty cells, an empty row between points and the last cell of the sheet.
const char* const kAwkwardSheet =
    "0.1\t-0\t4.9406564584124654e-324\t\t1.7976931348623157e+308\r\n"
    "\t\t\t\t\r\n"
    "-2.2250738585072014e-308\t0.30000000000000004\t\t123456789012345680000\t1e-300\r\n";

class TextFilesTest : public GraphTest {
 protected:
  void SetUp() override { startedWindow(); }

  const Document& document() const { return window->document(); }
  void writeFile(const std::string& path, const char* text) { std::ofstream(path, std::ios::binary) << text; }
  void openFile(const std::string& path) {
    paths->answers.push_back(path);
    window->runCommand(command::kOpen);
  }
  int recentFileCount() const {
    int count = 0;
    for (int id = command::kFirstRecentFile; id <= command::kLastRecentFile; ++id)
      count += window->commands().fileMenu()->actions().contains(window->commands().action(id)) ? 1 : 0;
    return count;
  }
};

// The import dialog shows the fault, naming the line and column, and keeps
// OK grey; Cancel leaves the sheet as it was.
TEST_F(TextFilesTest, AMalformedLineIsToldWithTheReadersWordsAndTheSheetStaysAsItWas) {
  paste(kAwkwardSheet);
  paths->answers.push_back(pathIn("kept.rvd"));
  window->runCommand(command::kSaveAs);
  paste("8\r\n");
  const DataSheet before = document().sheet;
  const std::string bad = pathIn("bad.csv");
  writeFile(bad, "Y,X1\n1,2\n3,2..5\n");

  ModalAnswers answers;
  answers.answer(kAnswerNo).then([](QWidget* dialog) {
    auto* import = qobject_cast<ImportDialog*>(dialog);
    ASSERT_NE(import, nullptr);
    EXPECT_EQ(import->summary()->text(), "The text cannot be read: line 3, column 2: '2..5' is not a number.");
    EXPECT_FALSE(import->okButton()->isEnabled());
    import->reject();
  });
  openFile(bad);
  EXPECT_EQ(answers.dialogNames(), (QStringList{"MSGDLG3", "ImportDlg"}));
  EXPECT_TRUE(SameBits(document().sheet.cells, before.cells));
  EXPECT_EQ(window->windowTitle(), "Regrovantis - kept.rvd");
  EXPECT_TRUE(document().state.modified);
  EXPECT_EQ(window->history().steps().steps(), 2u) << "the changes made can still be undone";
}

TEST_F(TextFilesTest, ExportedDataOpensAsTheSameSheetBitForBitUnderTheFilesName) {
  // Down to the last cell of the sheet.
  paste(kAwkwardSheet + QString("\r\n").repeated(kSheetRows - 4) + QString("\t").repeated(kSheetColumns - 1) +
        "98.5\r\n");
  ASSERT_EQ(document().sheet.cell(kSheetRows - 1, kSheetColumns - 1), 98.5);
  const DataSheet exported = document().sheet;
  const std::string csv = pathIn("export.csv");
  paths->answers.push_back(csv);
  window->runCommand(command::kExportData);
  EXPECT_EQ(paths->titles.last(), "Export Data");
  EXPECT_EQ(window->windowTitle(), "Regrovantis - Untitled") << "exporting does not name the sheet";
  EXPECT_TRUE(document().state.modified) << "nor does it save it";

  ModalAnswers answers;
  answers.answer(kAnswerNo).then(AcceptImport);
  window->runCommand(command::kNew);
  openFile(csv);
  EXPECT_TRUE(SameBits(document().sheet.cells, exported.cells));
  EXPECT_EQ(window->windowTitle(), "Regrovantis - export.csv");
  EXPECT_FALSE(document().state.modified);
  EXPECT_EQ(recentFileCount(), 0) << "only data files are listed";
  EXPECT_FALSE(window->commands().action(command::kUndo)->isEnabled());

  // The sheet is not a data file yet: Save asks for the data file's name.
  paths->answers.push_back(pathIn("from text"));
  window->runCommand(command::kSave);
  EXPECT_EQ(paths->titles.last(), "Save");
  EXPECT_EQ(window->windowTitle(), "Regrovantis - from text.rvd");
  EXPECT_EQ(answers.pending(), 0);
}

TEST_F(TextFilesTest, ADroppedCsvFileOpensAsText) {
  const std::string csv = pathIn("dropped.csv");
  writeFile(csv, "X2,Y\n5,6\n");
  ModalAnswers answers;
  answers.then(AcceptImport);
  dropFile(csv);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Regrovantis - dropped.csv"; }));
  EXPECT_EQ(document().sheet.cell(0, 0), 6.0);
  EXPECT_EQ(document().sheet.cell(0, 2), 5.0);
}

TEST_F(TextFilesTest, ExportGraphWritesThePictureCopyGraphCopies) {
  window.reset();
  searchedWindow();
  emit window->commands().fileMenu()->aboutToShow();
  EXPECT_FALSE(window->commands().action(command::kExportGraph)->isEnabled());
  emit window->commands().fileMenu()->aboutToHide();
  ModalAnswers answers;
  answers.answer(kAnswerOk);
  window->runCommand(command::kExportGraph);
  EXPECT_EQ(answers.messageTexts(), QStringList{"First draw the graph to export."});

  drawOver({0, 1});
  paths->answers.push_back(pathIn("surface"));
  window->runCommand(command::kExportGraph);
  EXPECT_EQ(paths->titles.last(), "Export Graph");
  const QImage written(QString::fromStdString(pathIn("surface.png")));
  ASSERT_FALSE(written.isNull());
  EXPECT_EQ(written.format(), QImage::Format_Indexed8);
  EXPECT_EQ(written.size(), QSize(640, 640));
  const QImage copied = IndexedImage(window->graphController().picture());
  EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));

  // The extension chooses the kind of picture, the Size box its size; a
  // vector picture keeps its labels as text.
  paths->exportSize = 1000;
  paths->answers.push_back(pathIn("surface.SVG"));
  window->runCommand(command::kExportGraph);
  QFile svg(QString::fromStdString(pathIn("surface.SVG")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray vector = svg.readAll();
  EXPECT_TRUE(vector.contains("viewBox=\"0 0 1000 1000\""));
  EXPECT_TRUE(vector.contains(">X1<")) << "the X title as text";

  paths->answers.push_back(pathIn("surface.jpg"));
  answers.answer(kAnswerOk);
  window->runCommand(command::kExportGraph);
  EXPECT_EQ(answers.messageTexts().last(), "A graph is exported as a .png, .svg or .pdf file,\nnot as " +
                                               QString::fromStdString(pathIn("surface.jpg")));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(pathIn("surface.jpg"))));
}

}  // namespace
}  // namespace rv::testing
