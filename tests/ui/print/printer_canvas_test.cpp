#include "print/ui/printer_canvas.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <tuple>

#include "../../print/sample_documents.h"
#include "base/vector_graph.h"
#include "known_sheet.h"
#include "print/data_report.h"
#include "print/graph_report.h"
#include "print/residuals_report.h"
#include "print/ui/page_font.h"
#include "print/ui/run_print_job.h"
#include "support/modal_answers.h"
#include "support/pdf_words.h"
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
  QString printToPdf(const QString& path, const PrintReport& report, const Document& document = Document{},
                     PdfFileWriter writer = WritePdfFile) {
    PrintJobPlaces places;
    places.choosePdfPath = [&](QWidget*, const QString& suggested) {
      suggestions << suggested;
      return path;
    };
    places.writePdf = std::move(writer);
    return RunPrintJob(report, document.state, nullptr, places);
  }

  static PrintSettings PdfSettings(int fontSize = 12, bool landscape = false) {
    PrintSettings settings = Settings(fontSize, landscape);
    settings.printer = kPrintToPdf;
    return settings;
  }

  QTemporaryDir folder;
  QStringList suggestions;
};

TEST_F(PrinterCanvasTest, TheDataReportInAPdfHasEveryTextWhereTheLayoutPutsIt) {
  const Document document = KnownSheet();
  const QString path = pathOf(QStringLiteral("gas.pdf"));
  printToPdf(
      path, [&](PageCanvas& canvas) { PrintDataReport(canvas, PdfSettings(), document); }, document);
  ExpectKnownSheetReport(ReadPdfText(path));
  // The file name offered first: the data file's name and the report's in the data folder.
  EXPECT_EQ(suggestions, QStringList(QStringLiteral("/data/fits/gas-data.pdf")));
}

TEST_F(PrinterCanvasTest, ThePdfIsOnTheLocalesPaperTitledWithTheReportAndTheDataFile) {
  const Document document = KnownSheet();
  // LC_ALL would speak for LC_PAPER.
  const QByteArray kept = qgetenv("LC_PAPER");
  const QByteArray keptAll = qgetenv("LC_ALL");
  qunsetenv("LC_ALL");
  for (const auto& [locale, width, height] :
       {std::tuple{"de_DE.UTF-8", 595, 842}, std::tuple{"en_US.UTF-8", 612, 792}}) {
    SCOPED_TRACE(locale);
    qputenv("LC_PAPER", locale);
    const QString path = pathOf(QStringLiteral("paper.pdf"));
    printToPdf(
        path, [&](PageCanvas& canvas) { PrintDataReport(canvas, PdfSettings(), document); }, document);
    const PdfText text = ReadPdfText(path);
    ASSERT_EQ(text.pages.size(), 1u);
    EXPECT_NEAR(text.pages[0].width, width, 0.5);
    EXPECT_NEAR(text.pages[0].height, height, 0.5);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString fields = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(fields.contains(QStringLiteral("Title:           Data \u2014 gas.rvd"))) << fields.toStdString();
    EXPECT_TRUE(fields.contains(QStringLiteral("Creator:         Regrovantis 1."))) << fields.toStdString();
  }
  if (kept.isNull()) qunsetenv("LC_PAPER");
  else qputenv("LC_PAPER", kept);
  if (!keptAll.isNull()) qputenv("LC_ALL", keptAll);
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

TEST_F(PrinterCanvasTest, TheGraphIsPrintedAsVectorsAtThePrintersResolution) {
  // Left half bright green, right half bright red, a label and the equation.
  VectorGraph graph;
  graph.size = 640;
  graph.pieces.push_back({3, {0, 320, 320}, {0, 0, 640}, 0x00FF00});
  graph.pieces.push_back({3, {0, 320, 0}, {0, 640, 640}, 0x00FF00});
  graph.pieces.push_back({3, {320, 640, 320}, {0, 0, 640}, 0xFF0000});
  graph.pieces.push_back({3, {640, 640, 320}, {0, 640, 640}, 0xFF0000});
  graph.labelCell = 12;
  graph.labels.push_back({100, 600, "4.25E-07", 0x000000});
  FitWorkspace equation;
  equation.text = "Y = a + b";
  equation.constantColumn = 1;
  equation.coefficients[0] = 1234.5678901234;
  equation.coefficients[1] = -0.5;
  const QString path = pathOf(QStringLiteral("graph.pdf"));
  printToPdf(path, [&](PageCanvas& canvas) { PrintGraphReport(canvas, PdfSettings(), Document{}, graph, equation); });

  // Below the 6.5-inch picture: the equation, a blank line, "Coefficients"
  // and the coefficients, a line height apart.
  const PdfText text = ReadPdfText(path);
  ASSERT_EQ(text.find(QStringLiteral("Coefficients")).size(), 1u);
  EXPECT_NEAR(text.find(QStringLiteral("Coefficients"))[0].xMin, Points(300), 0.3);
  EXPECT_NEAR(text.find(QStringLiteral("Coefficients"))[0].yMin, Points(2520), 0.3);
  ASSERT_EQ(text.find(QStringLiteral("1.234567890123E+03")).size(), 1u);
  EXPECT_NEAR(text.find(QStringLiteral("1.234567890123E+03"))[0].yMin, Points(2580), 0.3);
  // The label stays text, in the picture, scaled with it.
  ASSERT_EQ(text.find(QStringLiteral("4.25E-07")).size(), 1u);
  EXPECT_NEAR(text.find(QStringLiteral("4.25E-07"))[0].xMin, Points(300 + 100 * 1950 / 640), 1.0);

  // No picture is stored: the faces are vectors.
  QProcess pdfimages;
  pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
  ASSERT_TRUE(pdfimages.waitForFinished(60000));
  EXPECT_EQ(QString::fromLocal8Bit(pdfimages.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size(), 2)
      << "only the listing's two heading lines";

  // At 30 dots per inch a page unit is a tenth of a pixel: the picture
  // covers (30, 30) to (225, 225), its colours split at x 127; at 600 the
  // split, at 1275 units, pixel 2550, is as sharp as the device: a pixel or
  // two of the seam's hairline.
  const auto near = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
           std::abs(qBlue(a) - qBlue(b)) <= 2;
  };
  const QRgb green = qRgb(0, 255, 0);
  const QRgb red = qRgb(255, 0, 0);
  ASSERT_TRUE(
      RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                                           QStringLiteral("-singlefile"), path, pathOf(QStringLiteral("page"))}));
  const QImage page(pathOf(QStringLiteral("page.png")));
  ASSERT_EQ(page.size(), QSize(255, 330));
  EXPECT_TRUE(near(page.pixel(32, 32), green));
  EXPECT_TRUE(near(page.pixel(125, 200), green));
  EXPECT_TRUE(near(page.pixel(130, 32), red));
  EXPECT_TRUE(near(page.pixel(223, 223), red));
  EXPECT_TRUE(near(page.pixel(28, 120), qRgb(255, 255, 255)));
  EXPECT_TRUE(near(page.pixel(227, 120), qRgb(255, 255, 255)));
  ASSERT_TRUE(RunTool(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-png"), QStringLiteral("-x"),
                       QStringLiteral("2475"), QStringLiteral("-y"), QStringLiteral("2500"), QStringLiteral("-W"),
                       QStringLiteral("150"), QStringLiteral("-H"), QStringLiteral("10"), QStringLiteral("-singlefile"),
                       path, pathOf(QStringLiteral("sharp"))}));
  const QImage sharp(pathOf(QStringLiteral("sharp.png")));
  ASSERT_EQ(sharp.width(), 150);
  EXPECT_TRUE(near(sharp.pixel(71, 5), green));
  EXPECT_TRUE(near(sharp.pixel(76, 5), red));
}

TEST_F(PrinterCanvasTest, APdfThatCannotBeWrittenIsToldWithItsPathAndReasonAndLeavesNoFile) {
  const Document document = FilledDocument(3, 2);
  const auto report = [&](PageCanvas& canvas) { PrintDataReport(canvas, PdfSettings(), document); };
  ModalAnswers answers;
  answers.answer(kAnswerOk).answer(kAnswerOk).answer(kAnswerOk);
  // A folder that is not there, and a disk that fills up while the file is written.
  const QString unreachable = pathOf(QStringLiteral("no such folder/out.pdf"));
  EXPECT_TRUE(printToPdf(unreachable, report).isEmpty());
  const QString full = pathOf(QStringLiteral("full.pdf"));
  EXPECT_TRUE(printToPdf(full, report, document, [](const std::string&, const QByteArray&) {
                return Outcome<void>(Message{"No space left on device", MessageKind::Error});
              }).isEmpty());
  // A pipe where the file would go is refused, never written into.
  const QString pipe = pathOf(QStringLiteral("pipe.pdf"));
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  EXPECT_TRUE(printToPdf(pipe, report).isEmpty());
  ASSERT_EQ(answers.messageTexts().size(), 3);
  // Long messages are wrapped to the dialog's width.
  EXPECT_EQ(QString(answers.messageTexts()[2]).replace(QLatin1Char('\n'), QLatin1Char(' ')),
            QStringLiteral("Can not print to ") + pipe + QStringLiteral(": '") + pipe +
                QStringLiteral("' is a pipe, not a file"));
  EXPECT_TRUE(
      answers.messageTexts()[0].startsWith(QStringLiteral("Can not print to ") + unreachable + QStringLiteral(":\n")))
      << answers.messageTexts()[0].toStdString();
  EXPECT_EQ(answers.messageTexts()[1],
            QStringLiteral("Can not print to ") + full + QStringLiteral(":\nNo space left on device"));
  EXPECT_EQ(answers.dialogNames(),
            QStringList({QStringLiteral("MSGDLG4"), QStringLiteral("MSGDLG4"), QStringLiteral("MSGDLG4")}));
  EXPECT_FALSE(QFile::exists(unreachable));
  EXPECT_FALSE(QFile::exists(full));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList()) << "no file and no temporary file is left";

  // The next job prints.
  const QString good = pathOf(QStringLiteral("good.pdf"));
  EXPECT_EQ(printToPdf(good, report), good);
  EXPECT_EQ(ReadPdfText(good).pages.size(), 1u);
}

TEST_F(PrinterCanvasTest, DecliningThePdfFileNamePrintsNothingAndSaysNothing) {
  ModalAnswers answers;  // any dialog would fail the test
  int asked = 0;
  PrinterCanvas::Delivery delivery;
  delivery.suggestedPdfPath = [](const std::string& stem) {
    return QStringLiteral("/x/%1.pdf").arg(QString::fromStdString(stem));
  };
  delivery.choosePdfPath = [&](QWidget*, const QString& suggested) {
    ++asked;
    EXPECT_EQ(suggested, QStringLiteral("/x/Untitled-data.pdf"));
    return QString();
  };
  PrinterCanvas canvas(kLetterPaper, nullptr, delivery);
  PrintDataReport(canvas, PdfSettings(), FilledDocument(2, 2));
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(canvas.holdsJob());
  EXPECT_TRUE(answers.dialogNames().isEmpty());
}

TEST(PageFont, WindowsFacesResolveToTheirMetricCompatibleFacesAtTheirCellHeight) {
  const struct {
    const char* face;
    const char* standIn;
  } faces[] = {
      {"Courier New", "Liberation Mono"}, {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}};
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
