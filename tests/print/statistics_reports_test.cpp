#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "print/coefficients_report.h"
#include "print/criteria_report.h"
#include "print/function_report.h"
#include "print/graph_report.h"
#include "print/residuals_report.h"
#include "print/std_errors_report.h"
#include "recording_canvas.h"
#include "sample_documents.h"
#include "stats/criteria_text.h"
#include "stats/fitted_equation.h"
#include "stats/function_text.h"

namespace rv::testing {
namespace {

FitWorkspace Line() {
  return EquationWithCoefficients(MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}), {2.5, -1250.0});
}

// Y Obs i + 1 and Y Calc i + 1.5 for count points.
ResidualTable Residuals(int count) {
  ResidualTable table;
  for (int i = 0; i < count; ++i) {
    table.yObs.push_back(i + 1.0);
    table.yCalc.push_back(i + 1.5);
  }
  table.obsMin = 1.0;
  table.obsRange = count - 1.0;
  table.calcMin = 1.5;
  table.calcRange = count - 1.0;
  return table;
}

const RecordingCanvas::Text& At(const RecordingCanvas& canvas, size_t page, const std::string& text) {
  const RecordingCanvas::Text* found = canvas.find(page, text);
  EXPECT_NE(found, nullptr) << text;
  static const RecordingCanvas::Text missing{};
  return found ? *found : missing;
}

void ExpectText(const RecordingCanvas::Text& text, int x, int y, TextAlign align, PrintFont font = PrintFont::Body) {
  EXPECT_EQ(text.x, x) << text.text;
  EXPECT_EQ(text.y, y) << text.text;
  EXPECT_EQ(text.align, align) << text.text;
  EXPECT_EQ(text.font, font) << text.text;
}

TEST(CoefficientsReport, EquationThenOneLinePerCoefficient) {
  Document document;
  document.options.title1 = "Calibration";
  const FitWorkspace equation = Line();
  RecordingCanvas canvas;
  PrintCoefficientsReport(canvas, Settings(), document, equation);
  ASSERT_EQ(canvas.pages.size(), 1u);
  // Title at 300; the body goes on at 300 + 60 × 10 / 8 = 375, a third of a line lower.
  ExpectText(At(canvas, 0, "Calibration"), 1275, 300, TextAlign::Centre, PrintFont::Title1);
  ExpectText(At(canvas, 0, equation.text), 300, 455, TextAlign::Left);
  ExpectText(At(canvas, 0, "Coefficients"), 300, 575, TextAlign::Left);
  ExpectText(At(canvas, 0, "a ="), 300, 635, TextAlign::Left);
  ExpectText(At(canvas, 0, "2.500000000000E+00"), 400, 635, TextAlign::Left);
  ExpectText(At(canvas, 0, "b ="), 300, 695, TextAlign::Left);
  ExpectText(At(canvas, 0, "-1.250000000000E+03"), 400, 695, TextAlign::Left);
  ExpectText(At(canvas, 0, "1"), 2400, 3120, TextAlign::Right, PrintFont::Footer);
  EXPECT_EQ(canvas.strayCalls, 0);

  // Without titles the equation is one line below the top.
  RecordingCanvas plain;
  PrintCoefficientsReport(plain, Settings(10, true), Document{}, equation);
  EXPECT_EQ(At(plain, 0, equation.text).y, 350);
  ExpectText(At(plain, 0, "1"), 3120, 2400, TextAlign::Right, PrintFont::Footer);
}

TEST(StdErrorsReport, CentredEquationAndThreeRightAlignedColumns) {
  EquationStatistics statistics;
  statistics.equationText = "Y = aX1 + b";
  statistics.termRows = {{"aX1 ", "+1.234568E-01", "+12.345678", "1.0000E-03"},
                         {"b", "+2.000000E+00", "-0.500000", "6.2000E-01"}};
  RecordingCanvas canvas;
  PrintStdErrorsReport(canvas, Settings(), Document{}, statistics);
  ASSERT_EQ(canvas.pages.size(), 1u);
  ExpectText(At(canvas, 0, "Y = aX1 + b"), 1275, 420, TextAlign::Centre);
  ExpectText(At(canvas, 0, "Term"), 700, 600, TextAlign::Right);
  ExpectText(At(canvas, 0, "Std Error"), 1300, 600, TextAlign::Right);
  ExpectText(At(canvas, 0, "t Stat"), 1900, 600, TextAlign::Right);
  ExpectText(At(canvas, 0, "aX1 "), 700, 660, TextAlign::Right);
  ExpectText(At(canvas, 0, "+1.234568E-01"), 1300, 660, TextAlign::Right);
  ExpectText(At(canvas, 0, "-0.500000"), 1900, 720, TextAlign::Right);
  // The P Value is not printed.
  EXPECT_EQ(canvas.find(0, "1.0000E-03"), nullptr);
}

TEST(StdErrorsReport, LongFieldsKeep31Characters) {
  EquationStatistics statistics;
  statistics.termRows = {{std::string(40, 'x'), "s", "t", "p"}};
  RecordingCanvas canvas;
  PrintStdErrorsReport(canvas, Settings(), Document{}, statistics);
  EXPECT_NE(canvas.find(0, std::string(31, 'x')), nullptr);
}

TEST(CriteriaReport, FiguresThenTheIntervalsUnderTheEquation) {
  const EquationStatistics statistics = StatisticsPass(FitEquation(
      {{3.1, 1}, {4.9, 2}, {7.2, 3}, {8.8, 4}, {11.1, 5}, {13.0, 6}}, MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}})));
  const FitCriteria criteria = BuildFitCriteria(statistics);
  RecordingCanvas canvas;
  PrintCriteriaReport(canvas, Settings(), Document{}, statistics);
  ASSERT_EQ(canvas.pages.size(), 1u);
  ExpectText(At(canvas, 0, "Y = aX1 + b"), 1275, 420, TextAlign::Centre);
  const std::vector<CriterionRow> rows = CriterionRows(criteria);
  ASSERT_EQ(rows.size(), 6u);
  for (size_t i = 0; i < rows.size(); ++i) {
    ExpectText(At(canvas, 0, rows[i].name), 300, 600 + 60 * static_cast<int>(i), TextAlign::Left);
    ExpectText(At(canvas, 0, rows[i].value), 1300, 600 + 60 * static_cast<int>(i), TextAlign::Right);
  }
  ExpectText(At(canvas, 0, "Lower 95%"), 1300, 1020, TextAlign::Right);
  ExpectText(At(canvas, 0, "aX1 "), 700, 1080, TextAlign::Right);
  ExpectText(At(canvas, 0, IntervalRows(statistics, criteria)[1].upper), 1900, 1140, TextAlign::Right);
  EXPECT_EQ(canvas.strayCalls, 0);
}

TEST(ResidualsReport, NinetyNinePointsPrintAsManyRowsAPageAsEndAboveTheFooter) {
  RecordingCanvas canvas;
  PrintResidualsReport(canvas, Settings(), Document{}, Residuals(99), false);
  // At 12 points portrait a row is 60 units high from 390: 45 rows end by
  // the footer at 3120.
  ASSERT_EQ(canvas.pages.size(), 3u);
  const int rowsPerPage[] = {45, 45, 9};
  for (size_t page = 0; page < 3; ++page) {
    SCOPED_TRACE(page);
    int rows = 0;
    for (const auto& text : canvas.pages[page].texts)
      if (text.x == 300 && text.align == TextAlign::Left && text.font == PrintFont::Body && text.text != "n") ++rows;
    EXPECT_EQ(rows, rowsPerPage[page]);
    ExpectText(At(canvas, page, "n"), 300, 300, TextAlign::Left);
    ExpectText(At(canvas, page, "Y Obs"), 700, 300, TextAlign::Right);
    ExpectText(At(canvas, page, "Y Calc"), 1200, 300, TextAlign::Right);
    ExpectText(At(canvas, page, "Difference"), 1700, 300, TextAlign::Right);
    ExpectText(At(canvas, page, "Pct Diff"), 2200, 300, TextAlign::Right);
    const auto& footer = canvas.pages[page].texts.back();
    EXPECT_EQ(footer.font, PrintFont::Footer);
    EXPECT_EQ(footer.text, std::to_string(page + 1));
    EXPECT_TRUE(canvas.pages[page].ended);
  }
  // Half a line below the headers, then a line: the first row at 390.
  ExpectText(At(canvas, 0, "1"), 300, 390, TextAlign::Left);
  ExpectText(At(canvas, 0, "45"), 300, 390 + 44 * 60, TextAlign::Left);
  ExpectText(At(canvas, 1, "46"), 300, 390, TextAlign::Left);
  ExpectText(At(canvas, 2, "99"), 300, 390 + 8 * 60, TextAlign::Left);
  ExpectText(At(canvas, 0, "1.00"), 700, 390, TextAlign::Right);
  ExpectText(At(canvas, 0, "1.50"), 1200, 390, TextAlign::Right);
  ExpectText(At(canvas, 0, "-0.50"), 1700, 390, TextAlign::Right);
  ExpectText(At(canvas, 0, "-50.00"), 2200, 390, TextAlign::Right);
  EXPECT_EQ(canvas.strayCalls, 0);

  // At 10 points 54 rows would fit: a page still takes at most 50.
  RecordingCanvas small;
  PrintResidualsReport(small, Settings(10), Document{}, Residuals(99), false);
  ASSERT_EQ(small.pages.size(), 2u);
  ExpectText(At(small, 1, "51"), 300, 375, TextAlign::Left);
}

TEST(ResidualsReport, TitlesAddHalfALineOnEveryPage) {
  Document document;
  document.options.title1 = "Run 12";
  RecordingCanvas canvas;
  PrintResidualsReport(canvas, Settings(), document, Residuals(60), false);
  ASSERT_EQ(canvas.pages.size(), 2u);
  for (size_t page = 0; page < 2; ++page) {
    ExpectText(At(canvas, page, "Run 12"), 1275, 300, TextAlign::Centre, PrintFont::Title1);
    EXPECT_EQ(At(canvas, page, "n").y, 405);
  }
  EXPECT_EQ(At(canvas, 0, "1").y, 495);
}

TEST(ResidualsReport, SmallAndHugeValuesPrintInScientificForm) {
  EXPECT_EQ(PrintedResidualText(0.0), "0.00");
  EXPECT_EQ(PrintedResidualText(12345.678), "12345.68");
  EXPECT_EQ(PrintedResidualText(-0.01), "-0.01");
  EXPECT_EQ(PrintedResidualText(0.004), "4.0000E-03");
  EXPECT_EQ(PrintedResidualText(-0.00999), "-9.9900E-03");
  EXPECT_EQ(PrintedResidualText(1e-300), "1.0000E-300");
  EXPECT_EQ(PrintedResidualText(999999999999999.0), "999999999999999.00");
  EXPECT_EQ(PrintedResidualText(1e15), "1.0000E+15");
  EXPECT_EQ(PrintedResidualText(-2.5e300), "-2.5000E+300");
  EXPECT_EQ(PrintedResidualText(std::numeric_limits<double>::quiet_NaN()), "n/a");
  EXPECT_EQ(PrintedResidualText(std::numeric_limits<double>::infinity()), "n/a");
  EXPECT_EQ(PrintedPercentText(0.001), "0.00");
  EXPECT_EQ(PrintedPercentText(-12.345), "-12.35");
  EXPECT_EQ(PrintedPercentText(3e17), "3.0000E+17");
  EXPECT_EQ(PrintedPercentText(std::numeric_limits<double>::infinity()), "n/a");

  // Data in thousandths: the table shows their digits, not columns of 0.00.
  ResidualTable table;
  table.yObs = {0.0042, 1e20};
  table.yCalc = {0.0040, 1e20};
  RecordingCanvas canvas;
  PrintResidualsReport(canvas, Settings(), Document{}, table, false);
  EXPECT_EQ(canvas.textsOf(0)[6], "4.2000E-03");
  EXPECT_EQ(canvas.textsOf(0)[7], "4.0000E-03");
  EXPECT_EQ(canvas.textsOf(0)[8], "2.0000E-04");
  EXPECT_EQ(canvas.textsOf(0)[9], "4.76");
  EXPECT_EQ(canvas.textsOf(0)[11], "1.0000E+20");
  EXPECT_EQ(canvas.textsOf(0)[13], "0.00");
  for (const std::string& text : canvas.textsOf(0)) EXPECT_LE(text.size(), 12u) << text;
}

TEST(ResidualsReport, TheChartPagePlotsEveryPointInItsSquare) {
  RecordingCanvas canvas;
  PrintResidualsReport(canvas, Settings(), Document{}, Residuals(5), true);
  ASSERT_EQ(canvas.pages.size(), 1u);
  const auto& lines = canvas.pages[0].lines;
  // The square from (775, 400) to (1775, 1400): four sides and the diagonal.
  ASSERT_EQ(lines.size(), 5u + 2u * 5u);
  const int frame[5][4] = {{775, 400, 775, 1400},
                           {775, 1400, 1775, 1400},
                           {1775, 1400, 1775, 400},
                           {1775, 400, 775, 400},
                           {775, 1400, 1775, 400}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(lines[static_cast<size_t>(i)].x1, frame[i][0]);
    EXPECT_EQ(lines[static_cast<size_t>(i)].y1, frame[i][1]);
    EXPECT_EQ(lines[static_cast<size_t>(i)].x2, frame[i][2]);
    EXPECT_EQ(lines[static_cast<size_t>(i)].y2, frame[i][3]);
    EXPECT_EQ(lines[static_cast<size_t>(i)].pen, kChartFramePen);
  }
  // The smallest point 20 units in from the bottom-left corner, the largest
  // 960 units further right and up.
  EXPECT_EQ(lines[5].x1, 795);
  EXPECT_EQ(lines[5].y1, 1380 - 12);
  EXPECT_EQ(lines[5].y2, 1380 + 13);
  EXPECT_EQ(lines[6].x1, 795 - 12);
  EXPECT_EQ(lines[6].x2, 795 + 13);
  EXPECT_EQ(lines[5].pen, kChartPointPen);
  EXPECT_EQ(lines[13].x1, 1755);
  EXPECT_EQ(lines[13].y1, 420 - 12);
  ExpectText(At(canvas, 0, "Observed"), 685, 1000, TextAlign::Left, PrintFont::ChartCaptionVertical);
  ExpectText(At(canvas, 0, "Calculated"), 1275, 1420, TextAlign::Centre, PrintFont::ChartCaption);
  EXPECT_EQ(canvas.pages[0].texts.back().text, "1");
  EXPECT_EQ(canvas.find(0, "Y Obs"), nullptr);
}

TEST(FunctionReport, TheListingOneLineHeightApartBelowTheTitles) {
  const FitWorkspace equation = Line();
  Document document;
  document.options.title2 = "Listing";
  RecordingCanvas canvas;
  PrintFunctionReport(canvas, Settings(10, false), document, equation, FunctionLanguage::Fortran);
  ASSERT_EQ(canvas.pages.size(), 1u);
  const std::vector<std::string> listing = FunctionListingLines(equation, FunctionLanguage::Fortran);
  ExpectText(At(canvas, 0, "Listing"), 1275, 300, TextAlign::Centre, PrintFont::Title2);
  // Below the title (300 + 50 × 10 / 8 = 362) and 80 more; blank lines advance too.
  int y = 442;
  size_t printed = 0;
  const auto& texts = canvas.pages[0].texts;
  for (const std::string& line : listing) {
    if (!line.empty()) {
      ASSERT_LT(printed + 1, texts.size());
      ExpectText(texts[printed + 1], 300, y, TextAlign::Left);
      EXPECT_EQ(texts[printed + 1].text, line);
      ++printed;
    }
    y += 50;
  }
  EXPECT_EQ(texts.size(), printed + 2);  // the title and the page number besides
}

TEST(GraphReport, PictureTitlesAndCoefficientsWhereTheOrientationPutsThem) {
  const FitWorkspace equation = Line();
  const FrameBuffer picture(640, 640, 7);
  Document document;
  document.options.title1 = "Surface";
  document.options.title2 = "of gas";
  RecordingCanvas canvas;
  PrintGraphReport(canvas, Settings(), document, picture, kGraphPalette, equation);
  ASSERT_EQ(canvas.pages.size(), 1u);
  ExpectText(At(canvas, 0, "Surface"), 1275, 300, TextAlign::Centre, PrintFont::Title1);
  ExpectText(At(canvas, 0, "of gas"), 1275, 380, TextAlign::Centre, PrintFont::Title2);
  ASSERT_EQ(canvas.pages[0].pictures.size(), 1u);
  const auto& drawn = canvas.pages[0].pictures[0];
  EXPECT_EQ(drawn.x, 300);
  EXPECT_EQ(drawn.y, 460);
  EXPECT_EQ(drawn.width, 1950);
  EXPECT_EQ(drawn.height, 1950);
  EXPECT_EQ(drawn.pictureWidth, 640);
  ExpectText(At(canvas, 0, "Coefficients"), 600, 2400, TextAlign::Left);
  ExpectText(At(canvas, 0, "a = 2.500000000000E+00"), 600, 2460, TextAlign::Left);
  ExpectText(At(canvas, 0, "b = -1.250000000000E+03"), 600, 2520, TextAlign::Left);
  EXPECT_EQ(canvas.pages[0].texts.back().text, "1");

  RecordingCanvas landscape;
  PrintGraphReport(landscape, Settings(12, true), Document{}, picture, kGraphPalette, equation);
  EXPECT_EQ(landscape.pages[0].pictures[0].y, 300);
  ExpectText(At(landscape, 0, "Coefficients"), 2400, 600, TextAlign::Left);
  ExpectText(At(landscape, 0, "b = -1.250000000000E+03"), 2400, 720, TextAlign::Left);
}

}  // namespace
}  // namespace rv::testing
