#include "files/ui/import_dialog.h"

#include <sys/resource.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <cstring>
#include <fstream>

#include "app/app_fixture.h"
#include "files/ui/import_preview_model.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// File › Open of a text file of measurements: the import dialog shows how
// it will be read, and the sheet changes only on OK.
class ImportDialogTest : public AppTest {
 protected:
  void SetUp() override { startedWindow(); }
  const DataSheet& sheet() const { return window->document().sheet; }
  void open(const std::string& path, ModalAnswers::Handler inDialog) {
    answers.then(std::move(inDialog));
    paths->answers.push_back(path);
    window->runCommand(command::kOpen);
    EXPECT_EQ(answers.pending(), 0);
  }
  ModalAnswers answers;
};

ImportDialog& Import(QWidget* dialog) { return *qobject_cast<ImportDialog*>(dialog); }

QString Heading(const ImportDialog& import, int column) {
  return import.preview()->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString Field(const ImportDialog& import, int row, int column) {
  return import.preview()->model()->index(row, column).data().toString();
}

// The lab file (semicolons, a units row, decimal commas, blank lines, 120
// rows) opens whole with its own names, the units row skipped.
TEST_F(ImportDialogTest, TheLabFileOpensWithItsNamesAndAll120Rows) {
  const std::string lab = REGROVANTIS_SOURCE_DIR "/tests/data/import/pendulum.csv";
  open(lab, [](QWidget* dialog) {
    ImportDialog& import = Import(dialog);
    EXPECT_EQ(import.separatorBox()->currentText(), "Semicolon");
    EXPECT_EQ(import.decimalBox()->currentIndex(), 1);
    EXPECT_EQ(import.namesBox()->value(), 1);
    EXPECT_EQ(import.skipBox()->value(), 1);
    EXPECT_EQ(Heading(import, 0), "Length\nY");
    EXPECT_EQ(Heading(import, 1), "Period\nX1");
    EXPECT_EQ(Field(import, 0, 1), "0,8944");
    EXPECT_TRUE(import.okButton()->isEnabled());
    EXPECT_FALSE(import.keepFirstBox()->isEnabled());
    EXPECT_EQ(import.summary()->text(), "120 rows will be read.");
    import.okButton()->click();
  });
  EXPECT_EQ(sheet().names[0], "Length");
  EXPECT_EQ(sheet().names[1], "Period");
  EXPECT_EQ(sheet().cell(0, 0), 0.2);
  EXPECT_EQ(sheet().cell(0, 1), 0.8944);
  EXPECT_EQ(sheet().cell(98, 0), 1.18);
  EXPECT_EQ(sheet().cell(119, 1), 2.358);
  EXPECT_EQ(sheet().cells.rowCount(), 120);
  EXPECT_EQ(window->windowTitle(), "Regrovantis - pendulum.csv");
  EXPECT_FALSE(window->document().state.modified);
}

// A 13-row sheet as a spreadsheet exports it, with ",," rows: the dialog
// drops them by default and says how many; Cancel leaves the sheet as it
// was; a column chosen as left out takes no part; names are cut to eight
// characters, as the summary says.
TEST_F(ImportDialogTest, IncompleteRowsAreDroppedAndCountedAndCancelChangesNothing) {
  std::string text = "Temperature,Volume,Ignored\n";
  for (int r = 1; r <= 13; ++r)
    text += r == 4 || r == 9 ? ",,\n" : std::to_string(r) + "," + std::to_string(2 * r) + ",x\n";
  const std::string path = pathIn("gaps.csv");
  std::ofstream(path, std::ios::binary) << text;
  window->document().sheet.cell(0, 0) = 0.1;
  const DataSheet before = sheet();

  open(path, [](QWidget* dialog) {
    ImportDialog& import = Import(dialog);
    EXPECT_TRUE(import.dropBox()->isChecked());
    EXPECT_TRUE(import.dropBox()->text().endsWith("(2 rows)")) << import.dropBox()->text().toStdString();
    EXPECT_TRUE(import.summary()->text().startsWith("The text cannot be read: line 2, column 3: 'x'"));
    import.reject();
  });
  EXPECT_TRUE(SameBits(sheet().cells, before.cells));

  open(path, [](QWidget* dialog) {
    ImportDialog& import = Import(dialog);
    emit import.preview()->horizontalHeader()->sectionClicked(2);
    import.roleBox()->setCurrentIndex(import.roleBox()->count() - 1);
    emit import.roleBox()->activated(import.roleBox()->count() - 1);
    EXPECT_EQ(Heading(import, 2), "Ignored\nleft out");
    EXPECT_EQ(import.summary()->text(),
              "11 rows will be read; 2 rows with an empty cell dropped; names cut to 8 characters: Temperat.");
    import.okButton()->click();
  });
  EXPECT_EQ(sheet().names[0], "Temperat");
  EXPECT_EQ(sheet().cell(3, 0), 5.0);
  EXPECT_EQ(sheet().cell(10, 1), 26.0);
  EXPECT_TRUE(IsEmptyValue(sheet().cell(11, 0)));
  EXPECT_TRUE(IsEmptyValue(sheet().cell(0, 2)));
}

// A text that is no table (one line of 200,000 fields, one field of a
// megabyte) opens the dialog at once, with a preview of what fits.
TEST_F(ImportDialogTest, ATextThatIsNoTableShowsWhatFits) {
  std::string wide;
  for (int i = 0; i < 200000; ++i) wide += "1,";
  const std::string path = pathIn("wide.txt");
  std::ofstream(path, std::ios::binary) << "a\n" << wide << "\n" << std::string(1 << 20, 'x') << "\n";
  open(path, [](QWidget* dialog) {
    ImportDialog& import = Import(dialog);
    // A text of more than a megabyte is read behind a progress bar.
    EXPECT_TRUE(import.readingInBackground());
    EXPECT_FALSE(import.okButton()->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&import] { return !import.readingInBackground(); }, 20000));
    EXPECT_EQ(import.preview()->model()->columnCount(), ImportPreviewModel::kColumns);
    EXPECT_EQ(Field(import, 1, 0).size(), ImportPreviewModel::kCharacters);
    EXPECT_EQ(import.summary()->text().toStdString(),
              "1 row will be read; 1 row with an empty cell dropped; 199983 columns left out, as X1 to X16 are taken.");
    import.reject();
  });
}

long PeakKilobytes() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A text of 64 MB is read on a worker thread behind a progress bar while
// the window's thread goes on; the preview holds its first 1,000 rows, the
// rows beyond the sheet's 100,000 are counted, not kept, and the memory the
// dialog takes is within twice the text's size (every line kept as fields
// took about 3 GB).
TEST_F(ImportDialogTest, A64MegabyteTextIsReadOffTheWindowsThreadWithinTwiceItsSize) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory and quarantine are no measure of the reader's";
#endif
  const long before = PeakKilobytes();
  // Made in room for the whole of it: growing by doubling would hold it twice.
  std::string text;
  text.resize(64'000'000);
  size_t size = 0;
  for (int row = -1; size < 63'900'000; ++row)
    size += row < 0
                ? static_cast<size_t>(std::snprintf(text.data(), 16, "Time;Flux\n"))
                : static_cast<size_t>(std::snprintf(text.data() + size, 32, "%d;%d,%d\n", row, row % 977, row % 10));
  text.resize(size);
  const long textKilobytes = static_cast<long>(text.size() / 1024);
  ImportDialog import(QStringLiteral("long.csv"), std::move(text), window.get());
  EXPECT_TRUE(import.readingInBackground());
  EXPECT_FALSE(import.okButton()->isEnabled());
  int progress = 0;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        progress = std::max(progress, import.progressBar()->value());
        return !import.readingInBackground();
      },
      120000));
  EXPECT_GT(progress, 0);
  EXPECT_EQ(import.reading().firstRows.size(), static_cast<size_t>(ImportDialog::kPreviewRows));
  EXPECT_EQ(import.reading().rowsRead, kMaxSheetRows);
  EXPECT_GT(import.reading().rowsBeyond, 4 * kMaxSheetRows);
  EXPECT_TRUE(import.summary()->text().startsWith("The text cannot be read: the text holds"));
  import.keepFirstBox()->setChecked(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !import.readingInBackground(); }, 120000));
  EXPECT_TRUE(import.okButton()->isEnabled());
  EXPECT_EQ(import.reading().values[99999][1],
            std::stod(std::to_string(99999 % 977) + "." + std::to_string(99999 % 10)));
  const long grown = PeakKilobytes() - before;
  std::printf("64 MB text in the import dialog: peak resident set grew by %ld KB, the text is %ld KB\n", grown,
              textKilobytes);
  EXPECT_LT(grown, 2 * textKilobytes);
}

}  // namespace
}  // namespace rv::testing
