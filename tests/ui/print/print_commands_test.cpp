#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QTimer>

#include "../regress/equations_fixture.h"
#include "app/command_actions.h"
#include "app/print_controller.h"
#include "print/ui/print_dialog.h"
#include "regress/ui/equation_list_view.h"
#include "sheet/value_text.h"
#include "stats/ui/print_page.h"
#include "stats/ui/statistics_dialog.h"
#include "support/pdf_words.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

using testing::PdfText;
using testing::ReadPdfText;

class PrintCommandsTest : public EquationsTest {
 protected:
  // A straight line in five points, searched over with few terms, so the
  // best equation is selected.
  void startWithSelectedEquation() {
    startWithRows({{5, 1}, {8, 2}, {11.5, 3}, {14, 4}, {17, 5}});
    window->document().options.maxTerms = 2;
    window->document().options.title1 = "Printed line";
    search();
    ASSERT_GT(rows(), 0);
    ASSERT_EQ(window->session().selectedIndex, 0);
  }

  QString pdfPath(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

  // Picks "Print to PDF" in a printer list.
  static void choosePdf(QListWidget* printers) {
    const QList<QListWidgetItem*> pdf = printers->findItems(QStringLiteral("Print to PDF"), Qt::MatchExactly);
    ASSERT_EQ(pdf.size(), 1);
    printers->setCurrentItem(pdf.first());
  }

  static void typeInto(QWidget* dialog, int id, const char* text) {
    auto* box = qobject_cast<QLineEdit*>(FindControl(dialog, id));
    ASSERT_NE(box, nullptr);
    box->setText(QString::fromLatin1(text));
  }

  // The print dialog: records its title, sends the printout to PDF at the
  // font size, and presses Print.
  ModalAnswers::Handler printToPdf(const char* fontSize = "12") {
    return [this, fontSize](QWidget* dialog) {
      printDialogTitles << dialog->windowTitle();
      EXPECT_EQ(dialog->objectName(), "PrntDlg");
      choosePdf(qobject_cast<QListWidget*>(FindControl(dialog, PrintDialog::kPrinterListId)));
      typeInto(dialog, PrintDialog::kFontSizeId, fontSize);
      ClickControl(dialog, PrintDialog::kPrintButtonId);
    };
  }

  // The print dialog, cancelled after its title is recorded.
  ModalAnswers::Handler cancelPrinting() {
    return [this](QWidget* dialog) {
      printDialogTitles << dialog->windowTitle();
      ClickControl(dialog, PrintDialog::kCancelButtonId);
    };
  }

  // The save dialog of "Print to PDF": records the title and the file
  // offered, then names the file.
  ModalAnswers::Handler savePdfAs(const QString& path) {
    return [this, path](QWidget* dialog) {
      auto* files = qobject_cast<QFileDialog*>(dialog);
      ASSERT_NE(files, nullptr);
      pdfDialogTitles << files->windowTitle();
      offeredPdfFiles << files->selectedFiles().value(0);
      files->selectFile(path);
      QMetaObject::invokeMethod(files, "accept");
    };
  }

  QStringList printDialogTitles;
  QStringList pdfDialogTitles;
  QStringList offeredPdfFiles;
};

bool Holds(const PdfText& text, const std::string& word) { return !text.find(QString::fromStdString(word)).empty(); }

TEST_F(PrintCommandsTest, CtrlPOpensThePrintDialogOfTheTabShowing) {
  startWithSelectedEquation();
  answers.then(cancelPrinting()).then(cancelPrinting()).then(cancelPrinting()).answer(kAnswerOk);
  window->runCommand(command::kShowData);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
  window->runCommand(command::kShowEquations);
  window->runCommand(command::kPrint);
  // The list's context menu item "Print" sends the same command.
  emit tab().commandRequested(command::kPrint);
  window->runCommand(command::kShowGraph);
  window->runCommand(command::kPrint);
  EXPECT_EQ(printDialogTitles, (QStringList{"Print Data", "Print Equation", "Print Equation"}));
  EXPECT_EQ(answers.messageTexts(), QStringList{"First draw the graph to print."});
  EXPECT_EQ(answers.pending(), 0);
}

TEST_F(PrintCommandsTest, PrintEquationIsGreyedWithoutASelectedEquationAndDoesNothingThen) {
  startedWindow();
  QAction* printData = window->commands().action(command::kPrintData);
  QAction* printEquation = window->commands().action(command::kPrintEquation);
  emit window->commands().fileMenu()->aboutToShow();
  EXPECT_TRUE(printData->isEnabled());
  EXPECT_FALSE(printEquation->isEnabled());
  emit window->commands().fileMenu()->aboutToHide();
  EXPECT_TRUE(printEquation->isEnabled()) << "the key reaches the command, which decides for itself";

  // By key, with nothing selected: no dialog asks how to print nothing.
  window->runCommand(command::kShowEquations);
  window->runCommand(command::kPrint);
  EXPECT_TRUE(answers.dialogNames().isEmpty());

  window->document().sheet.cell(0, 0) = 1;
  window->document().sheet.cell(1, 0) = 3;
  window->document().sheet.cell(0, 1) = 1;
  window->document().sheet.cell(1, 1) = 2;
  window->document().sheet.cell(2, 0) = 5;
  window->document().sheet.cell(2, 1) = 3;
  window->document().options.maxTerms = 2;
  search();
  emit window->commands().fileMenu()->aboutToShow();
  EXPECT_TRUE(printEquation->isEnabled());
  emit window->commands().fileMenu()->aboutToHide();
}

TEST_F(PrintCommandsTest, PrintDataWritesTheSheetIntoThePdfTheUserNamesAndKeepsTheSettings) {
  startWithSelectedEquation();
  const QString path = pdfPath("sheet.pdf");
  answers.then(printToPdf("10")).then(savePdfAs(path));
  window->runCommand(command::kShowData);
  window->runCommand(command::kPrintData);
  EXPECT_EQ(answers.pending(), 0);
  EXPECT_EQ(pdfDialogTitles, QStringList{"Print to PDF"});
  ASSERT_EQ(offeredPdfFiles.size(), 1);
  EXPECT_TRUE(offeredPdfFiles[0].endsWith(QStringLiteral("/Untitled-data.pdf"))) << offeredPdfFiles[0].toStdString();

  const PdfText text = ReadPdfText(path);
  ASSERT_TRUE(text.error.isEmpty()) << text.error.toStdString();
  ASSERT_EQ(text.pages.size(), 1u);
  EXPECT_TRUE(Holds(text, "Printed"));
  for (const char* name : {"Y", "X1"}) EXPECT_TRUE(Holds(text, name)) << name;
  const DataSheet& sheet = window->document().sheet;
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 2; ++column)
      EXPECT_TRUE(Holds(text, FormatCellText(sheet, row, column))) << row << ", " << column;

  // The next print dialog starts from what was chosen.
  EXPECT_EQ(window->printing().settings().printer, kPrintToPdf);
  EXPECT_EQ(window->printing().settings().fontSize, 10);
  answers.then([](QWidget* dialog) {
    EXPECT_EQ(qobject_cast<QLineEdit*>(FindControl(dialog, PrintDialog::kFontSizeId))->text(), "10");
    ClickControl(dialog, PrintDialog::kCancelButtonId);
  });
  window->runCommand(command::kPrintData);
  EXPECT_EQ(answers.pending(), 0);

  // The next report is offered under its own name in the folder the last PDF went to.
  answers.then(printToPdf()).then(savePdfAs(pdfPath("equation.pdf")));
  window->runCommand(command::kPrintEquation);
  ASSERT_EQ(offeredPdfFiles.size(), 2);
  EXPECT_EQ(offeredPdfFiles[1], folder.filePath(QStringLiteral("Untitled-coefficients.pdf")));
}

TEST_F(PrintCommandsTest, PrintEquationPrintsTheSelectedEquationsCoefficients) {
  startWithSelectedEquation();
  const QString path = pdfPath("equation.pdf");
  answers.then(printToPdf()).then(savePdfAs(path));
  window->runCommand(command::kPrint);
  EXPECT_EQ(printDialogTitles, QStringList{"Print Equation"});
  EXPECT_EQ(answers.pending(), 0);

  const FitWorkspace& equation = window->equationController().workspace();
  EXPECT_EQ(equation.lastFittedOrdinal, row(0).ordinal);
  const PdfText text = ReadPdfText(path);
  ASSERT_TRUE(text.error.isEmpty()) << text.error.toStdString();
  EXPECT_TRUE(Holds(text, "Coefficients"));
  for (int k = 0; k < equation.coefficientCount(); ++k) {
    const std::string value = FormatValueText(equation.coefficients[size_t(k)], ValueTextMode::Scientific);
    EXPECT_TRUE(Holds(text, value)) << value;
  }
}

// pdfimages' listing of the pictures in a PDF file: one line each after
// two heading lines.
QStringList PictureLines(const QString& path) {
  QProcess pdfimages;
  pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
  if (!pdfimages.waitForFinished(60000)) return {};
  QStringList lines = QString::fromLocal8Bit(pdfimages.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  return lines.mid(2);
}

TEST_F(PrintCommandsTest, PrintGraphPrintsTheDrawnGraphWithTheCoefficientsOfTheEquationItShows) {
  startWithSelectedEquation();
  ASSERT_GT(rows(), 1);
  window->runCommand(command::kShowGraph);
  window->runCommand(command::kDraw);
  ASSERT_TRUE(window->session().graphDrawn);
  const std::vector<double> graphed(window->equationController().workspace().coefficients.begin(),
                                    window->equationController().workspace().coefficients.begin() +
                                        window->equationController().workspace().coefficientCount());

  // Ctrl+P on the Graph tab asks how to print the graph.
  answers.then(cancelPrinting());
  window->runCommand(command::kPrint);
  EXPECT_EQ(printDialogTitles, QStringList{"Print Graph"});

  // Another equation becomes the workspace's; the drawn graph still shows the first.
  window->runCommand(command::kShowEquations);
  tab().list()->selectRow(1);
  window->runCommand(command::kCopyEquation);
  ASSERT_NE(window->equationController().workspace().lastFittedOrdinal, row(0).ordinal);
  ASSERT_TRUE(window->session().graphDrawn);

  const QString path = pdfPath("graph.pdf");
  answers.then(printToPdf()).then(savePdfAs(path));
  window->runCommand(command::kPrintGraph);
  EXPECT_EQ(answers.pending(), 0);
  const PdfText text = ReadPdfText(path);
  ASSERT_TRUE(text.error.isEmpty()) << text.error.toStdString();
  ASSERT_EQ(text.pages.size(), 1u);
  EXPECT_TRUE(Holds(text, "Coefficients"));
  for (const double coefficient : graphed) {
    const std::string value = FormatValueText(coefficient, ValueTextMode::Scientific);
    EXPECT_TRUE(Holds(text, value)) << value;
  }
  EXPECT_TRUE(PictureLines(path).isEmpty()) << "the graph is drawn as vectors, not as a picture";
  // The equation the graph shows, word by word.
  const QString shown =
      QString::fromStdString(window->equationController().entryInRow(window->session().graphedIndex)->text);
  for (const QString& word : shown.split(QLatin1Char(' '), Qt::SkipEmptyParts))
    EXPECT_TRUE(Holds(text, word.toStdString())) << word.toStdString();

  // A new search leaves the graph on the screen but its equation gone.
  window->runCommand(command::kCalculate);
  ASSERT_TRUE(tab().searchRunning());
  answers.answer(kAnswerOk);
  window->runCommand(command::kPrintGraph);
  EXPECT_EQ(answers.messageTexts(), QStringList{"First draw the graph to print."});
  ASSERT_TRUE(searchEnded());
  EXPECT_EQ(answers.pending(), 0);
}

TEST_F(PrintCommandsTest, TheStatisticsPrintPagePrintsThePageTheUserCameFromWithItsSettings) {
  startWithSelectedEquation();
  const QString path = pdfPath("residuals.pdf");
  answers
      .then([](QWidget* dialog) {
        ClickControl(dialog, StatisticsDialog::kResidualsButtonId);
        ClickControl(dialog, StatisticsDialog::kPrintButtonId);
        choosePdf(qobject_cast<QListWidget*>(FindControl(dialog, PrintPage::kPrinterListId)));
        typeInto(dialog, PrintPage::kFontSizeId, "10");
        qobject_cast<QRadioButton*>(FindControl(dialog, PrintPage::kLandscapeId))->click();
        // The job asks for the file once this answer has returned.
        QTimer::singleShot(0, dialog, [dialog] { ClickControl(dialog, PrintPage::kPrintButtonId); });
      })
      .then(savePdfAs(path))
      .then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "StatDlg");
        ClickControl(dialog, StatisticsDialog::kCloseButtonId);
      });
  window->runCommand(command::kStats);
  EXPECT_EQ(answers.pending(), 0);

  const PdfText text = ReadPdfText(path);
  ASSERT_TRUE(text.error.isEmpty()) << text.error.toStdString();
  // The residual list, then its band columns in a block of their own.
  ASSERT_EQ(text.pages.size(), 2u);
  EXPECT_GT(text.pages[0].width, text.pages[0].height);
  for (const char* heading : {"n", "Obs", "Calc", "Difference", "Pct", "Diff", "Conf", "Pred", "High"})
    EXPECT_TRUE(Holds(text, heading)) << heading;
  EXPECT_FALSE(Holds(text, "Coefficients"));
  EXPECT_EQ(window->printing().settings().fontSize, 10);
  EXPECT_TRUE(window->printing().settings().landscape);
}

}  // namespace
}  // namespace rv::testing
