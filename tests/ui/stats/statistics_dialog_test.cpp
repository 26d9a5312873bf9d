#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTableView>

#include "statistics_dialog_fixture.h"
#include "stats/chart_points.h"
#include "stats/copy_texts.h"
#include "stats/criteria_text.h"
#include "stats/function_text.h"
#include "stats/ui/criteria_page.h"
#include "stats/ui/function_save_panel.h"
#include "stats/ui/obs_calc_chart.h"
#include "stats/ui/report_list.h"
#include "stats/ui/residuals_page.h"

namespace rv::testing {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString LabelText(QWidget* label) { return qobject_cast<QLabel*>(label)->text(); }

QStringList RowTexts(QWidget* list, int row) {
  const QAbstractItemModel* rows = qobject_cast<QTableView*>(list)->model();
  QStringList texts;
  for (int c = 0; c < rows->columnCount(); ++c) texts << rows->index(row, c).data().toString();
  return texts;
}

bool IsRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

TEST_F(StatisticsDialogTest, ShowsTheEnginesTextsInTheirControls) {
  open();
  const EquationStatistics expected = StatisticsPass(equation);
  EXPECT_EQ(LabelText(control(StatisticsDialog::kTitleId)), Text(equation.text));
  EXPECT_EQ(LabelText(control(103)), Text(expected.rSquaredLine));
  EXPECT_EQ(LabelText(control(104)), Text(expected.stdErrorLine));
  EXPECT_EQ(LabelText(control(105)), Text(expected.stdDevLine));
  EXPECT_EQ(LabelText(control(112)), Text(expected.regressTexts.df));
  EXPECT_EQ(LabelText(control(118)), Text(expected.residualTexts.ss));
  EXPECT_EQ(LabelText(control(119)), Text(expected.residualTexts.ms));
  EXPECT_EQ(LabelText(control(122)), Text(expected.totalTexts.ss));
  EXPECT_EQ(RowTexts(control(123), 1),
            QStringList({Text(expected.coefficientRows[1].label), Text(expected.coefficientRows[1].value)}));
  const ResidualRow& residual = expected.residualRows[5];
  const BandRow& band = expected.bandRows[5];
  EXPECT_EQ(RowTexts(control(202), 5),
            QStringList({Text(residual.number), Text(residual.yObs), Text(residual.yCalc), Text(residual.difference),
                         Text(residual.pctDiff), Text(band.confidenceLow), Text(band.confidenceHigh),
                         Text(band.predictionLow), Text(band.predictionHigh)}));
  EXPECT_EQ(control(202)->toolTip(), Text(expected.bandHeading));
  const TermRow& term = expected.termRows[0];
  EXPECT_EQ(RowTexts(control(301), 0),
            QStringList({Text(term.label), Text(term.stdError), Text(term.tStat), Text(term.pValue)}));
}

TEST_F(StatisticsDialogTest, PageButtonsSwitchPagesAndThePressedPagesButtonReturnsToCoefficients) {
  open();
  auto expectPage = [&](int page, const char* print, const char* copy) {
    EXPECT_EQ(dialog->page(), page);
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(button(600 + p)->isChecked(), p == page) << "button " << 600 + p;
    EXPECT_EQ(button(StatisticsDialog::kPrintButtonId)->text(), QString::fromLatin1(print));
    EXPECT_EQ(button(StatisticsDialog::kCopyButtonId)->text(), QString::fromLatin1(copy));
    EXPECT_EQ(control(123)->isVisible(), page == 0);
    EXPECT_EQ(control(202)->isVisible(), page == 1);
    EXPECT_EQ(control(301)->isVisible(), page == 2);
    EXPECT_EQ(dialog->functionPanel()->isVisible(), page == 3);
  };
  expectPage(0, "&Print Coefficients", "&Copy Coefficients");
  EXPECT_TRUE(button(StatisticsDialog::kPrintButtonId)->isEnabled());

  press(StatisticsDialog::kStdErrorsButtonId);
  expectPage(2, "&Print Std Errors", "&Copy Std Errors");
  EXPECT_EQ(QApplication::focusWidget(), control(301));
  press(StatisticsDialog::kStdErrorsButtonId);
  expectPage(0, "&Print Coefficients", "&Copy Coefficients");

  press(StatisticsDialog::kResidualsButtonId);
  expectPage(1, "&Print Residuals", "&Copy Residuals");
  press(StatisticsDialog::kFunctionButtonId);
  expectPage(3, "&Print Function", "&Copy Function");
  EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(dialog->functionPanel()->fileNameBox()));
  pressMnemonic(Qt::Key_R, StatisticsDialog::kResidualsButtonId);
  expectPage(1, "&Print Residuals", "&Copy Residuals");
  pressMnemonic(Qt::Key_R, StatisticsDialog::kResidualsButtonId);
  expectPage(0, "&Print Coefficients", "&Copy Coefficients");

  press(StatisticsDialog::kCloseButtonId);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(StatisticsDialogTest, EachPageCopiesTheEnginesText) {
  open();
  const EquationStatistics statistics = StatisticsPass(equation);
  auto copied = [&] {
    QApplication::clipboard()->clear();
    press(StatisticsDialog::kCopyButtonId);
    return QApplication::clipboard()->text();
  };
  EXPECT_EQ(copied(), Text(CopyCoefficientsText(equation)));
  press(StatisticsDialog::kResidualsButtonId);
  EXPECT_EQ(copied(), Text(CopyResidualsText(statistics.residuals)));
  press(StatisticsDialog::kStdErrorsButtonId);
  EXPECT_EQ(copied(), Text(CopyStdErrorsText(statistics)));
  press(StatisticsDialog::kFunctionButtonId);
  dialog->functionPanel()->selectNameFilter(QStringLiteral("FORTRAN Function (*.for)"));
  EXPECT_EQ(copied(), Text(GenerateFunctionText(equation, FunctionLanguage::Fortran)));

  // The Criteria page (Alt+I) shows the engine's figures and copies them.
  pressMnemonic(Qt::Key_I, StatisticsDialog::kCriteriaButtonId);
  EXPECT_EQ(dialog->page(), StatisticsDialog::kCriteriaPage);
  EXPECT_TRUE(button(StatisticsDialog::kCriteriaButtonId)->isChecked());
  EXPECT_FALSE(button(StatisticsDialog::kFunctionButtonId)->isChecked());
  EXPECT_EQ(button(StatisticsDialog::kCopyButtonId)->text(), "&Copy Criteria");
  const FitCriteria criteria = BuildFitCriteria(statistics);
  EXPECT_EQ(qobject_cast<QLabel*>(control(CriteriaPage::kFirstLineId + 3))->text(),
            Text("AICc  =  " + CriterionRows(criteria)[3].value));
  EXPECT_EQ(copied(), Text(CopyCriteriaText(statistics, criteria)));
  press(StatisticsDialog::kCriteriaButtonId);
  EXPECT_EQ(dialog->page(), StatisticsDialog::kCoefficientsPage);

  // Ctrl+C in a list copies the page, as the main window's Copy does.
  press(StatisticsDialog::kStdErrorsButtonId);
  QApplication::clipboard()->clear();
  QTest::keyClick(control(301), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), Text(CopyStdErrorsText(statistics)));
}

TEST_F(StatisticsDialogTest, ChartButtonSwitchesTheResidualsPageBetweenListAndChart) {
  open();
  press(StatisticsDialog::kResidualsButtonId);
  press(ResidualsPage::kChartButtonId);
  EXPECT_TRUE(button(ResidualsPage::kChartButtonId)->isChecked());
  EXPECT_TRUE(control(ObsCalcChart::kId)->isVisible());
  EXPECT_TRUE(control(ResidualsPage::kFillerId)->isVisible());
  EXPECT_FALSE(control(ResidualsPage::kListId)->isVisible());

  // The smallest Y Calc and Y Obs sit at the axes' corner, the largest at
  // the diagonal's top end; the points are red pluses.
  const QImage chart = control(ObsCalcChart::kId)->grab().toImage();
  EXPECT_TRUE(IsRed(chart.pixel(39, 144)));
  EXPECT_TRUE(IsRed(chart.pixel(348, 8)));
  EXPECT_TRUE(IsRed(chart.pixel(350, 8)));
  EXPECT_FALSE(IsRed(chart.pixel(351, 8)));

  // Leaving the page and coming back keeps the mode.
  press(StatisticsDialog::kStdErrorsButtonId);
  press(StatisticsDialog::kResidualsButtonId);
  EXPECT_TRUE(control(ObsCalcChart::kId)->isVisible());

  pressMnemonic(Qt::Key_G, ResidualsPage::kChartButtonId);
  EXPECT_FALSE(button(ResidualsPage::kChartButtonId)->isChecked());
  EXPECT_TRUE(control(ResidualsPage::kListId)->isVisible());
  EXPECT_FALSE(control(ObsCalcChart::kId)->isVisible());
}

TEST_F(StatisticsDialogTest, ChartCopyIsAFourInchPictureAsSvgAndPng) {
  open();
  press(StatisticsDialog::kResidualsButtonId);
  press(ResidualsPage::kChartButtonId);
  QApplication::clipboard()->clear();
  press(StatisticsDialog::kCopyButtonId);
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_FALSE(copied->hasText());

  const QByteArray svg = copied->data(QStringLiteral("image/svg+xml"));
  const QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 1300, 1300));
  EXPECT_TRUE(svg.contains("width=\"101.6mm\" height=\"101.6mm\"")) << svg.left(400).toStdString();
  EXPECT_TRUE(svg.contains(">Observed<"));
  EXPECT_TRUE(svg.contains(">Calculated<"));

  const QImage png = QImage::fromData(copied->data(QStringLiteral("image/png")), "PNG");
  ASSERT_EQ(png.size(), QSize(1300, 1300));
  EXPECT_TRUE(IsRed(png.pixel(270, 1030)));
  EXPECT_TRUE(IsRed(png.pixel(1230, 70)));
  EXPECT_EQ(png.pixel(650, 300), qRgb(255, 255, 255));
}

TEST_F(StatisticsDialogTest, EqualValuesPutTheChartsPointsOnTheCentreLine) {
  // Every Y Obs and every Y Calc is 5: both ranges are zero.
  equation = FitEquation({{5, 1}, {5, 2}, {5, 4}}, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}));
  equation.coefficients[0] = 0.0;
  equation.coefficients[1] = 5.0;
  open();
  press(StatisticsDialog::kResidualsButtonId);
  press(ResidualsPage::kChartButtonId);
  const QImage chart = control(ObsCalcChart::kId)->grab().toImage();
  EXPECT_TRUE(IsRed(chart.pixel(39 + 154, 144 - 68)));
  QApplication::clipboard()->clear();
  press(StatisticsDialog::kCopyButtonId);
  const QImage png = QImage::fromData(QApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")), "PNG");
  EXPECT_TRUE(IsRed(png.pixel(270 + 480, 1030 - 480)));
}

TEST_F(StatisticsDialogTest, TitlesLongerThanSixtyFourCharactersTakeTwoLines) {
  equation.text = std::string(64, 'a');
  open();
  EXPECT_EQ(control(StatisticsDialog::kTitleId)->geometry(), QRect(16, 20, 404, 20));
  equation.text = std::string(30, 'a') + ' ' + std::string(34, 'b');
  open();
  auto* title = qobject_cast<QLabel*>(control(StatisticsDialog::kTitleId));
  EXPECT_EQ(title->geometry(), QRect(16, 12, 404, 40));
  EXPECT_TRUE(title->wordWrap());
  EXPECT_GT(title->heightForWidth(title->width()), title->fontMetrics().height());
}

// A law with a large offset over n points, so that the point numbers, the
// degrees of freedom and the sums of squares are as long as they come.
FitWorkspace LongSheetEquation(int points) {
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < points; ++i) {
    const double x = 1.0 + i * 0.001;
    rows.push_back({2.5e6 + 3.1e5 * x + ((i * 7919) % 13 - 6) * 170.0, x});
  }
  return FitEquation(rows, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}));
}

// Every list's columns hold their longest texts whole, every label its text,
// and the headings stand over the columns they name, at 99 points and at
// 100,000: point numbers, degrees of freedom, sums of squares and criteria
// are never cut.
TEST_F(StatisticsDialogTest, EveryListAndTableSizesItsColumnsToItsContentsAt99And100000Points) {
  for (const int points : {99, 100000}) {
    SCOPED_TRACE(points);
    equation = LongSheetEquation(points);
    open();
    for (const int page : {StatisticsDialog::kResidualsButtonId, StatisticsDialog::kStdErrorsButtonId,
                           StatisticsDialog::kCriteriaButtonId, StatisticsDialog::kResidualsButtonId}) {
      press(page);
      for (QTableView* list : dialog->findChildren<QTableView*>()) {
        if (!list->isVisible()) continue;
        const QFontMetrics metrics(list->font());
        for (int c = 0; c < list->model()->columnCount(); ++c) {
          int widest = 0;
          QString longest;
          for (int r = 0; r < list->model()->rowCount(); r += std::max(1, list->model()->rowCount() / 500)) {
            const QString text = list->model()->index(r, c).data().toString();
            if (metrics.horizontalAdvance(text) > widest) {
              widest = metrics.horizontalAdvance(text);
              longest = text;
            }
          }
          const QString last = list->model()->index(list->model()->rowCount() - 1, c).data().toString();
          widest = std::max(widest, metrics.horizontalAdvance(last));
          EXPECT_LE(widest + 6, list->columnWidth(c)) << "column " << c << ": " << longest.toStdString();
        }
      }
    }
    const QTableView* residuals = dialog->residualsPage()->list();
    EXPECT_EQ(residuals->model()->index(points - 1, 0).data().toString(), QStringLiteral("  %1").arg(points));
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->text().isEmpty() || label->wordWrap() || ControlId(label) == StatisticsDialog::kTitleId) continue;
      EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
          << label->text().toStdString();
    }
    // The ANOVA table ends before the coefficients' box at x 252.
    for (int id = 107; id <= 122; ++id)
      if (const QWidget* cell = control(id))
        EXPECT_LE(cell->mapTo(dialog.get(), QPoint(cell->width(), 0)).x(), 250) << id;
    dialog.reset();
  }
}

}  // namespace
}  // namespace rv::testing
