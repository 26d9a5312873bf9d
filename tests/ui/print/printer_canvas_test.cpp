#include "print/ui/printer_canvas.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

#include "../../print/sample_documents.h"
#include "support/modal_answers.h"
#include "known_sheet.h"
#include "support/pdf_words.h"
#include "print/data_report.h"
#include "print/graph_report.h"
#include "print/residuals_report.h"
#include "print/ui/page_font.h"
#include "print/ui/printer_properties.h"
#include "print/ui/run_print_job.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {


bool RunTool(const QString& program, const QStringList& arguments) {
  QProcess tool;
  tool.start(program, arguments);
  return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

class PrinterCanvasTest : public ::testing::Test {
 protected:
  QString pathOf(const QString& name) const { return folder.filePath(name); }

  // Prints the report into the PDF file at path, as "Print to PDF" does
  // when the user names that file.
  void printToPdf(const QString& path, const PrintReport& report, const Document& document = Document{}) {
    RunPrintJob(report, document.state, properties, nullptr, [&](QWidget*, const QString& suggested) {
      suggestions << suggested;
      return path;
    });
  }

  static PrintSettings PdfSettings(int fontSize = 12, bool landscape = false) {
    PrintSettings settings = Settings(fontSize, landscape);
    settings.printer = kPrintToPdf;
    return settings;
  }

  QTemporaryDir folder;
  PrinterProperties properties;
  QStringList suggestions;
};

TEST_F(PrinterCanvasTest, TheDataReportInAPdfHasEveryTextWhereTheLayoutPutsIt) {
  const Document document = KnownSheet();
  const QString path = pathOf(QStringLiteral("gas.pdf"));
  printToPdf(path, [&](PageCanvas& canvas) { PrintDataReport(canvas, PdfSettings(), document); }, document);
  ExpectKnownSheetReport(ReadPdfText(path));
  // The file name offered first: the data file's name with ".pdf" in the data folder.
  EXPECT_EQ(suggestions, QStringList(QStringLiteral("/data/fits/gas.pdf")));
}

TEST_F(PrinterCanvasTest, LandscapePagesAndPageBreaksReachThePdf) {
  const Document document = FilledDocument(99, 2);
  const QString path = pathOf(QStringLiteral("long.pdf"));
  printToPdf(path, [&](PageCanvas& canvas) { PrintDataReport(canvas, PdfSettings(12, true), document); });
  const PdfText text = ReadPdfText(path);
  ASSERT_TRUE(text.error.isEmpty()) << text.error.toStdString();
  // In landscape the page breaks after the row ending below 2250: 31 rows
  // a page from 360, so 99 rows take four pages.
  ASSERT_EQ(text.pages.size(), 4u);
  for (int page = 0; page < 4; ++page) {
    EXPECT_NEAR(text.pages[static_cast<size_t>(page)].width, 792, 0.5);
    EXPECT_NEAR(text.pages[static_cast<size_t>(page)].height, 612, 0.5);
    const std::vector<PdfWord> words = text.onPage(page);
    ASSERT_FALSE(words.empty());
    // The page number is the last word, its right end at 3120, its top at 2400.
    EXPECT_EQ(words.back().text, QString::number(page + 1));
    EXPECT_NEAR(words.back().xMax, Points(3120), 0.3);
    EXPECT_NEAR(words.back().yMin, Points(2400), 0.3);
  }
}

TEST_F(PrinterCanvasTest, TheGraphPictureIsStretchedInItsPaletteColours) {
  // Left half bright green (index 2 × 32 + 31), right half bright red.
  FrameBuffer picture(640, 640, 2 * kRampLength + 31);
  for (int y = 0; y < 640; ++y)
    for (int x = 320; x < 640; ++x) picture.at(x, y) = kRampLength + 31;
  FitWorkspace equation;
  equation.constantColumn = 1;
  equation.coefficients[0] = 1234.5678901234;
  equation.coefficients[1] = -0.5;
  const QString path = pathOf(QStringLiteral("graph.pdf"));
  printToPdf(path, [&](PageCanvas& canvas) {
    PrintGraphReport(canvas, PdfSettings(), Document{}, picture, kGraphPalette, equation);
  });

  const PdfText text = ReadPdfText(path);
  ASSERT_EQ(text.find(QStringLiteral("Coefficients")).size(), 1u);
  EXPECT_NEAR(text.find(QStringLiteral("Coefficients"))[0].xMin, Points(600), 0.3);
  EXPECT_NEAR(text.find(QStringLiteral("Coefficients"))[0].yMin, Points(2400), 0.3);
  ASSERT_EQ(text.find(QStringLiteral("1.234567890123E+03")).size(), 1u);
  EXPECT_NEAR(text.find(QStringLiteral("1.234567890123E+03"))[0].yMin, Points(2460), 0.3);

  // The picture is stored as it is, pixel for pixel in its palette colours.
  ASSERT_TRUE(RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), path, pathOf(QStringLiteral("picture"))}));
  const QImage stored(pathOf(QStringLiteral("picture-000.png")));
  ASSERT_EQ(stored.size(), QSize(640, 640));
  const QRgb green = kGraphPalette.argb(2 * kRampLength + 31);
  const QRgb red = kGraphPalette.argb(kRampLength + 31);
  EXPECT_EQ(stored.pixel(0, 0), green);
  EXPECT_EQ(stored.pixel(319, 639), green);
  EXPECT_EQ(stored.pixel(320, 0), red);
  EXPECT_EQ(stored.pixel(639, 639), red);

  // At 30 dots per inch a page unit is a tenth of a pixel: the picture
  // covers (30, 30) to (225, 225), its colours split at x 127.
  ASSERT_TRUE(RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                                                    QStringLiteral("-singlefile"), path, pathOf(QStringLiteral("page"))}));
  const QImage page(pathOf(QStringLiteral("page.png")));
  ASSERT_EQ(page.size(), QSize(255, 330));
  const auto near = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 && std::abs(qBlue(a) - qBlue(b)) <= 2;
  };
  EXPECT_TRUE(near(page.pixel(32, 32), green));
  EXPECT_TRUE(near(page.pixel(125, 223), green));
  EXPECT_TRUE(near(page.pixel(130, 32), red));
  EXPECT_TRUE(near(page.pixel(223, 223), red));
  EXPECT_TRUE(near(page.pixel(28, 120), qRgb(255, 255, 255)));
  EXPECT_TRUE(near(page.pixel(227, 120), qRgb(255, 255, 255)));
  EXPECT_TRUE(near(page.pixel(120, 227), qRgb(255, 255, 255)));
}

TEST_F(PrinterCanvasTest, AJobThatCannotStartTellsTheUserAndReleasesWhatItCreated) {
  const Document document = FilledDocument(3, 2);
  const QString unreachable = pathOf(QStringLiteral("no such folder/out.pdf"));
  ModalAnswers answers;
  answers.answer(kAnswerOk);
  PrinterCanvas canvas(properties, nullptr, QString(), [&](QWidget*, const QString&) { return unreachable; });
  PrintDataReport(canvas, PdfSettings(), document);
  EXPECT_EQ(answers.messageTexts(), QStringList(QStringLiteral("Can not start document\non device queue.")));
  EXPECT_EQ(answers.dialogNames(), QStringList(QStringLiteral("MSGDLG4")));
  EXPECT_FALSE(canvas.holdsJob());
  EXPECT_FALSE(QFile::exists(unreachable));

  // A pipe where the file would go is refused before anything is printed.
  const QString pipe = pathOf(QStringLiteral("pipe.pdf"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  answers.answer(kAnswerOk);
  PrinterCanvas piped(properties, nullptr, QString(), [&](QWidget*, const QString&) { return pipe; });
  PrintDataReport(piped, PdfSettings(), document);
  EXPECT_EQ(answers.messageTexts().value(1), "'" + pipe + "' is a pipe, not a file");
  EXPECT_FALSE(piped.holdsJob());

  // The same canvas prints the next job.
  const QString good = pathOf(QStringLiteral("good.pdf"));
  PrinterCanvas second(properties, nullptr, QString(), [&](QWidget*, const QString&) { return good; });
  PrintDataReport(second, PdfSettings(), document);
  EXPECT_FALSE(second.holdsJob());
  EXPECT_EQ(ReadPdfText(good).pages.size(), 1u);
}

TEST_F(PrinterCanvasTest, APrinterTheSystemDoesNotKnowHasNoDeviceContext) {
  ModalAnswers answers;
  answers.answer(kAnswerOk);
  PrintSettings settings = Settings();
  settings.printer = "Regrovantis no such queue";
  PrinterCanvas canvas(properties, nullptr, QString(), {});
  PrintDataReport(canvas, settings, FilledDocument(2, 2));
  EXPECT_EQ(answers.messageTexts(), QStringList(QStringLiteral("Can not create printer\ndevice context.")));
  EXPECT_FALSE(canvas.holdsJob());
}

TEST_F(PrinterCanvasTest, DecliningThePdfFileNamePrintsNothingAndSaysNothing) {
  ModalAnswers answers;  // any dialog would fail the test
  int asked = 0;
  PrinterCanvas canvas(properties, nullptr, QStringLiteral("/x/y.pdf"), [&](QWidget*, const QString& suggested) {
    ++asked;
    EXPECT_EQ(suggested, QStringLiteral("/x/y.pdf"));
    return QString();
  });
  PrintDataReport(canvas, PdfSettings(), FilledDocument(2, 2));
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(canvas.holdsJob());
  EXPECT_TRUE(answers.dialogNames().isEmpty());
}

TEST_F(PrinterCanvasTest, AJobUsesThePrinterKeptWithItsPropertiesAndLeavesItKept) {
  ModalAnswers answers;
  answers.then([](QWidget* shown) { qobject_cast<QDialog*>(shown)->accept(); });
  ASSERT_TRUE(properties.edit(QStringLiteral("Print to PDF"), nullptr));
  QPrinter* kept = properties.keptPrinter(QStringLiteral("Print to PDF"));
  ASSERT_NE(kept, nullptr);
  const QString path = pathOf(QStringLiteral("kept.pdf"));
  printToPdf(path, [&](PageCanvas& canvas) { PrintDataReport(canvas, PdfSettings(), FilledDocument(2, 2)); });
  EXPECT_EQ(kept->outputFileName(), path);
  EXPECT_EQ(properties.keptPrinter(QStringLiteral("Print to PDF")), kept);
  EXPECT_EQ(ReadPdfText(path).pages.size(), 1u);
}

TEST(PageFont, WindowsFacesResolveToTheirMetricCompatibleFacesAtTheirCellHeight) {
  const struct {
    const char* face;
    const char* standIn;
  } faces[] = {{"Courier New", "Liberation Mono"}, {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}};
  for (const auto& [face, standIn] : faces) {
    SCOPED_TRACE(face);
    for (const int height : {8, 48, 120}) {
      const QFont font = PageFont({face, height, false});
      EXPECT_EQ(QFontInfo(font).family(), QLatin1String(standIn));
      // The character cell is the height asked for, to within the rounding
      // of the em to whole units.
      EXPECT_NEAR(QFontMetricsF(font).height(), height, 0.6 + height * 0.01);
    }
  }
}

}  // namespace
}  // namespace rv::testing
