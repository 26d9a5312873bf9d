#include "stats/ui/print_page.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <optional>
#include <string>
#include <vector>

#include "../../print/recording_canvas.h"
#include "print/coefficients_report.h"
#include "print/function_report.h"
#include "print/residuals_report.h"
#include "print/statistics_printout.h"
#include "print/std_errors_report.h"
#include "statistics_dialog_fixture.h"
#include "stats/ui/function_save_panel.h"
#include "stats/ui/residuals_page.h"
#include "support/modal_answers.h"
#include "widgets/message_dialog.h"
#include "widgets/print_settings_controls.h"
#include "widgets/up_down_edit.h"

namespace rv::testing {
namespace {

// Every text of a printout, page by page, with its place.
using PrintedTexts = std::vector<std::vector<std::tuple<int, int, std::string>>>;

PrintedTexts TextsOf(const RecordingCanvas& canvas) {
  PrintedTexts texts;
  for (const RecordingCanvas::Page& page : canvas.pages) {
    texts.emplace_back();
    for (const RecordingCanvas::Text& text : page.texts) texts.back().emplace_back(text.x, text.y, text.text);
  }
  return texts;
}

class PrintPageTest : public StatisticsDialogTest {
 protected:
  PrintPageTest() {
    print.printers = {"office", "Print to PDF", "Basement"};
    print.fonts = {"Times New Roman", "arial", "Courier New"};
    print.settings.printer = "office";
    print.settings.fontFace = "Courier New";
    print.settings.fontSize = 30;
    print.settings.copies = 7;
    print.settings.landscape = true;
    document.options.title1 = "Gas law";
  }

  void open() {
    StatisticsDialogTest::open();
    QObject::connect(dialog.get(), &StatisticsDialog::printRequested, dialog.get(),
                     [this](const PrintSettings& settings, const PrintedStatisticsPage& page) {
                       requested = settings;
                       StatisticsPrintout(page, dialog->equation(), dialog->statistics())(printed, settings, document);
                     });
  }

  PrintSettingsControls& controls() const { return *dialog->printPage()->controls(); }
  void type(QLineEdit* box, const char* text) const {
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(text));
  }

  std::optional<PrintSettings> requested;
  RecordingCanvas printed;
};

TEST_F(PrintPageTest, TheButtonOpensThePageWithItsControlsFilledAndAgainReturnsToCoefficients) {
  open();
  press(StatisticsDialog::kStdErrorsButtonId);
  press(StatisticsDialog::kPrintButtonId);
  EXPECT_EQ(dialog->page(), StatisticsDialog::kPrintPage);
  for (int id = PrintPage::kPrinterListId; id <= PrintPage::kPrintButtonId; ++id)
    EXPECT_TRUE(control(id) != nullptr && control(id)->isVisible()) << "control " << id;
  EXPECT_FALSE(control(301)->isVisible());
  // The page keeps the names of the page it prints; only its own button stays pressed.
  EXPECT_EQ(button(StatisticsDialog::kPrintButtonId)->text(), QStringLiteral("&Print Std Errors"));
  EXPECT_EQ(button(StatisticsDialog::kCopyButtonId)->text(), QStringLiteral("&Copy Std Errors"));
  EXPECT_TRUE(button(StatisticsDialog::kPrintButtonId)->isChecked());
  EXPECT_FALSE(button(StatisticsDialog::kStdErrorsButtonId)->isChecked());

  // The lists sorted case aside, the printer and face in use selected; the
  // font size and copies start afresh, the orientation is the one in use.
  auto entries = [](QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  };
  EXPECT_EQ(entries(controls().printerList()), (QStringList{"Basement", "office", "Print to PDF"}));
  EXPECT_EQ(entries(controls().fontList()), (QStringList{"arial", "Courier New", "Times New Roman"}));
  EXPECT_EQ(controls().selectedPrinter(), QStringLiteral("office"));
  EXPECT_EQ(controls().selectedFont(), QStringLiteral("Courier New"));
  EXPECT_EQ(controls().fontSizeText(), QStringLiteral("12"));
  EXPECT_EQ(controls().copiesText(), QStringLiteral("1"));
  EXPECT_TRUE(controls().landscapeButton()->isChecked());
  EXPECT_FALSE(controls().portraitButton()->isChecked());
  // Copies is grey while Print to PDF is chosen.
  EXPECT_TRUE(controls().copiesBox()->isEnabled());
  controls().printerList()->setCurrentRow(2);
  EXPECT_FALSE(controls().copiesBox()->isEnabled());
  controls().printerList()->setCurrentRow(1);
  EXPECT_TRUE(controls().copiesBox()->isEnabled());

  // Copy has nothing to copy here.
  QApplication::clipboard()->setText(QStringLiteral("kept"));
  press(StatisticsDialog::kCopyButtonId);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));

  press(StatisticsDialog::kPrintButtonId);
  EXPECT_EQ(dialog->page(), StatisticsDialog::kCoefficientsPage);
  EXPECT_FALSE(button(StatisticsDialog::kPrintButtonId)->isChecked());
  EXPECT_FALSE(control(PrintPage::kPrinterListId)->isVisible());
  EXPECT_EQ(button(StatisticsDialog::kPrintButtonId)->text(), QStringLiteral("&Print Coefficients"));
}

TEST_F(PrintPageTest, PrintHandsOverTheSettingsAsTypedAndClamped) {
  open();
  press(StatisticsDialog::kPrintButtonId);
  controls().printerList()->setCurrentRow(0);
  controls().fontList()->setCurrentRow(0);
  type(controls().fontSizeBox()->edit(), "20");
  type(controls().copiesBox()->edit(), "150");
  QTest::mouseClick(controls().portraitButton(), Qt::LeftButton);
  press(PrintPage::kPrintButtonId);
  ASSERT_TRUE(requested.has_value());
  EXPECT_EQ(requested->printer, "Basement");
  EXPECT_EQ(requested->fontFace, "arial");
  EXPECT_EQ(requested->fontSize, 20);
  EXPECT_EQ(requested->copies, 99);
  EXPECT_FALSE(requested->landscape);
  EXPECT_EQ(printed.setup.printer, "Basement");
  EXPECT_EQ(printed.setup.copies, 99);
}

// The page offers the paper and a preview, and refuses a font size it
// cannot print with before anything is made.
TEST_F(PrintPageTest, PaperPreviewAndAFontSizeRefusedBeforePrinting) {
  print.settings.paper = "A4";
  open();
  std::optional<PrintSettings> previewed;
  QObject::connect(dialog.get(), &StatisticsDialog::previewRequested, dialog.get(),
                   [&](const PrintSettings& settings, const PrintedStatisticsPage&) { previewed = settings; });
  press(StatisticsDialog::kPrintButtonId);
  for (const int id : {PrintPage::kPaperId, PrintPage::kPaperLabelId, PrintPage::kPreviewButtonId})
    EXPECT_TRUE(control(id) != nullptr && control(id)->isVisible()) << id;
  EXPECT_EQ(controls().paper(), QStringLiteral("A4"));
  controls().paperBox()->setCurrentText(QStringLiteral("Letter"));
  press(PrintPage::kPreviewButtonId);
  ASSERT_TRUE(previewed.has_value());
  EXPECT_EQ(previewed->paper, "Letter");
  EXPECT_FALSE(requested.has_value());

  ModalAnswers answers;
  answers.answer(kAnswerOk);
  controls().fontSizeBox()->edit()->clear();
  press(PrintPage::kPrintButtonId);
  EXPECT_EQ(answers.messageTexts(), QStringList(QStringLiteral("Type a Font Size from 2 to 48.")));
  EXPECT_FALSE(requested.has_value());
  EXPECT_EQ(printed.jobsBegun, 0);
  type(controls().fontSizeBox()->edit(), "9");
  press(PrintPage::kPrintButtonId);
  ASSERT_TRUE(requested.has_value());
  EXPECT_EQ(requested->fontSize, 9);
  EXPECT_EQ(requested->paper, "Letter");
}

TEST_F(PrintPageTest, WithoutASelectedPrinterPrintPrintsNothing) {
  print.printers.clear();
  open();
  press(StatisticsDialog::kPrintButtonId);
  press(PrintPage::kPrintButtonId);
  EXPECT_FALSE(requested.has_value());
  EXPECT_EQ(printed.jobsBegun, 0);
  EXPECT_EQ(dialog->page(), StatisticsDialog::kPrintPage);
}

// The page that showed when the Print page opened decides the report.
TEST_F(PrintPageTest, PrintPrintsTheReportOfThePageTheUserCameFrom) {
  open();
  const EquationStatistics statistics = StatisticsPass(equation);
  const PrintSettings settings = ApplyPrintChoice(print.settings, {"office", "Courier New", 12, 1, true});
  auto expected = [&](auto&& report) {
    RecordingCanvas canvas;
    report(canvas);
    return TextsOf(canvas);
  };
  auto printFromPage = [&] {
    printed = RecordingCanvas();
    press(StatisticsDialog::kPrintButtonId);
    press(PrintPage::kPrintButtonId);
    press(StatisticsDialog::kPrintButtonId);
    return TextsOf(printed);
  };

  EXPECT_EQ(printFromPage(),
            expected([&](PageCanvas& canvas) { PrintCoefficientsReport(canvas, settings, document, equation); }));

  press(StatisticsDialog::kResidualsButtonId);
  const PrintedTexts table = printFromPage();
  EXPECT_EQ(table,
            expected([&](PageCanvas& canvas) { PrintResidualsReport(canvas, settings, document, statistics, false); }));
  press(StatisticsDialog::kResidualsButtonId);
  press(ResidualsPage::kChartButtonId);
  const PrintedTexts chart = printFromPage();
  EXPECT_EQ(chart,
            expected([&](PageCanvas& canvas) { PrintResidualsReport(canvas, settings, document, statistics, true); }));
  EXPECT_NE(chart, table);
  EXPECT_EQ(printed.pages.at(0).graphs.size(), 0u);
  EXPECT_GT(printed.pages.at(0).lines.size(), 5u) << "the chart's frame, diagonal and points";

  press(StatisticsDialog::kStdErrorsButtonId);
  EXPECT_EQ(printFromPage(),
            expected([&](PageCanvas& canvas) { PrintStdErrorsReport(canvas, settings, document, statistics); }));

  press(StatisticsDialog::kFunctionButtonId);
  dialog->functionPanel()->selectNameFilter(QStringLiteral("FORTRAN Function (*.for)"));
  const PrintedTexts fortran = printFromPage();
  EXPECT_EQ(fortran, expected([&](PageCanvas& canvas) {
              PrintFunctionReport(canvas, settings, document, equation, FunctionLanguage::Fortran);
            }));
  EXPECT_NE(fortran, expected([&](PageCanvas& canvas) {
              PrintFunctionReport(canvas, settings, document, equation, FunctionLanguage::Basic);
            }));
}

}  // namespace
}  // namespace rv::testing
