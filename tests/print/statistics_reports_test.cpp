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

// Y Obs i + 1 and Y Calc i + 1.5 for count points, with the residual
// list's texts.
EquationStatistics Residuals(int count, std::string equation = {}) {
  EquationStatistics statistics;
  statistics.equationText = std::move(equation);
  ResidualTable& table = statistics.residuals;
  for (int i = 0; i < count; ++i) {
    table.yObs.push_back(i + 1.0);
    table.yCalc.push_back(i + 1.5);
  }
  table.obsMin = 1.0;
  table.obsRange = count - 1.0;
  table.calcMin = 1.5;
  table.calcRange = count - 1.0;
  statistics.residualRows = ResidualRows(table);
  return statistics;
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

TEST(StdErrorsReport, CentredEquationAndFourRightAlignedColumns) {
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
  // The P Value as wide as its texts: ten characters of 28.8 units and
  // half the font's height of room after t Stat.
  ExpectText(At(canvas, 0, "P Value"), 2212, 600, TextAlign::Right);
  ExpectText(At(canvas, 0, "1.0000E-03"), 2212, 660, TextAlign::Right);
}

TEST(StdErrorsReport, ALongTermPrintsWholeInAWiderColumn) {
  EquationStatistics statistics;
  statistics.termRows = {{std::string(40, 'x'), "s", "t", "p"}};
  RecordingCanvas canvas;
  PrintStdErrorsReport(canvas, Settings(), Document{}, statistics);
  const auto* term = canvas.find(0, std::string(40, 'x'));
  ASSERT_NE(term, nullptr);
  EXPECT_GE(term->left(), 300);
  EXPECT_LE(term->right(), term->clipRight);
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
  ASSERT_EQ(rows.size(), 7u);
  for (size_t i = 0; i < rows.size(); ++i) {
    ExpectText(At(canvas, 0, rows[i].name), 300, 600 + 60 * static_cast<int>(i), TextAlign::Left);
    ExpectText(At(canvas, 0, rows[i].value), 1300, 600 + 60 * static_cast<int>(i), TextAlign::Right);
  }
  ExpectText(At(canvas, 0, "Lower 95%"), 1300, 1080, TextAlign::Right);
  ExpectText(At(canvas, 0, "aX1 "), 700, 1140, TextAlign::Right);
  ExpectText(At(canvas, 0, IntervalRows(statistics, criteria)[1].upper), 1900, 1200, TextAlign::Right);
  EXPECT_EQ(canvas.strayCalls, 0);
}

TEST(ResidualsReport, NinetyNinePointsPrintAsManyRowsAPageAsEndAboveTheFooter) {
  RecordingCanvas canvas;
  PrintResidualsReport(canvas, Settings(), Document{}, Residuals(99), false);
  // At 12 points portrait a row is 60 units high from 390: 45 rows end by
  // the footer at 3120.
  ASSERT_EQ(canvas.pages.size(), 3u);
  const int rowsPerPage[] = {45, 45, 9};
  // The columns as wide as the list's texts need: "1.0000E+00" is ten
  // characters of 28.8 units with half the font's height of room, 312 from 400.
  for (size_t page = 0; page < 3; ++page) {
    SCOPED_TRACE(page);
    int rows = 0;
    for (const auto& text : canvas.pages[page].texts)
      if (text.x == 300 && text.align == TextAlign::Left && text.font == PrintFont::Body && text.text != "n") ++rows;
    EXPECT_EQ(rows, rowsPerPage[page]);
    ExpectText(At(canvas, page, "n"), 300, 300, TextAlign::Left);
    ExpectText(At(canvas, page, "Y Obs"), 712, 300, TextAlign::Right);
    ExpectText(At(canvas, page, "Y Calc"), 1212, 300, TextAlign::Right);
    ExpectText(At(canvas, page, "Difference"), 1712, 300, TextAlign::Right);
    ExpectText(At(canvas, page, "Pct Diff"), 2212, 300, TextAlign::Right);
    const auto& footer = canvas.pages[page].texts.back();
    EXPECT_EQ(footer.font, PrintFont::Footer);
    EXPECT_EQ(footer.text, std::to_string(page + 1));
    EXPECT_TRUE(canvas.pages[page].ended);
  }
  // Half a line below the headers, then a line: the first row at 390.
  ExpectText(At(canvas, 0, "1"), 300, 390, TextAlign::Left);
  ExpectText(At(canvas, 0, "45"), 300, 390 + 44 * 60, TextAlign::Left);
  ExpectText(At(canvas, 1, "46"), 300, 390 + 0 * 60, TextAlign::Left);
  ExpectText(At(canvas, 2, "99"), 300, 390 + 8 * 60, TextAlign::Left);
  // The texts of the statistics dialog's residual list.
  ExpectText(At(canvas, 0, "1.0000E+00"), 712, 390, TextAlign::Right);
  ExpectText(At(canvas, 0, "1.5000E+00"), 1212, 390, TextAlign::Right);
  ExpectText(At(canvas, 0, "-5.0000E-01"), 1712, 390, TextAlign::Right);
  ExpectText(At(canvas, 0, "-50.00"), 2212, 390, TextAlign::Right);
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

TEST(ResidualsReport, EveryPageOfTableAndChartIsHeadedByTheEquation) {
  for (const bool chart : {false, true}) {
    SCOPED_TRACE(chart ? "chart" : "table");
    RecordingCanvas canvas;
    PrintResidualsReport(canvas, Settings(), Document{}, Residuals(99, "Y = aX1 + b"), chart);
    ASSERT_EQ(canvas.pages.size(), chart ? 1u : 3u);
    for (size_t page = 0; page < canvas.pages.size(); ++page) {
      ExpectText(At(canvas, page, "Y = aX1 + b"), 1275, 300, TextAlign::Centre);
      if (!chart) {
        EXPECT_EQ(At(canvas, page, "n").y, 390);
      }
    }
  }
}

// The bands' four columns follow the residual list's in a block of their
// own, the point numbers repeated, and the statement of what they are
// follows the table.
TEST(ResidualsReport, TheBandsPrintInABlockOfTheirOwnAndAreNamed) {
  EquationStatistics statistics = Residuals(60, "Y = aX1 + b");
  for (int i = 0; i < 60; ++i) statistics.bandRows.push_back({"1.0000E+00", "2.0000E+00", "3.0000E+00", "4.2000E+00"});
  statistics.bandHeading = "95% bands: Conf of the mean, Pred of a new observation";
  RecordingCanvas canvas;
  PrintResidualsReport(canvas, Settings(), Document{}, statistics, false);
  ASSERT_EQ(canvas.pages.size(), 4u);
  for (const size_t page : {size_t{2}, size_t{3}}) {
    SCOPED_TRACE(page);
    EXPECT_EQ(canvas.find(page, "Y Obs"), nullptr);
    EXPECT_EQ(At(canvas, page, "Conf Low").y, At(canvas, page, "Pred High").y);
    EXPECT_EQ(At(canvas, page, "n").x, 300);
  }
  // Under the equation the rows start at 480 and 44 fit a page: rows 45 to
  // 60 on the last page, the statement half a line below them.
  EXPECT_EQ(At(canvas, 2, "1").y, 480);
  EXPECT_EQ(At(canvas, 3, "60").y, 480 + 15 * 60);
  ExpectText(At(canvas, 3, statistics.bandHeading), 300, 480 + 16 * 60 + 30, TextAlign::Left);
  EXPECT_EQ(canvas.strayCalls, 0);
}

// A weighted fit's normalised residuals print in a column of their own, one
// a row, none cut at the page's edge; an unweighted fit has no such column.
TEST(ResidualsReport, AWeightedFitPrintsItsNormalisedResiduals) {
  for (const bool weighted : {false, true}) {
    SCOPED_TRACE(weighted);
    EquationStatistics statistics = Residuals(60, "Y = aX1 + b");
    if (weighted)
      for (ResidualRow& row : statistics.residualRows) row.normalised = "-2.5000E+00";
    RecordingCanvas canvas;
    PrintResidualsReport(canvas, Settings(), Document{}, statistics, false);
    int headings = 0, values = 0;
    for (const RecordingCanvas::Page& page : canvas.pages)
      for (const RecordingCanvas::Text& text : page.texts) {
        headings += text.text == "Normalised" ? 1 : 0;
        if (text.text != "-2.5000E+00") continue;
        ++values;
        EXPECT_LE(text.x, canvas.pageSize().width) << "row printed past the page's edge";
      }
    EXPECT_EQ(headings, weighted ? 2 : 0);
    EXPECT_EQ(values, weighted ? 60 : 0);
    EXPECT_EQ(canvas.strayCalls, 0);
  }
}

TEST(ResidualsReport, TheChartPagePlotsEveryPointInItsSquareWithNumberedAxes) {
  RecordingCanvas canvas;
  PrintResidualsReport(canvas, Settings(), Document{}, Residuals(5), true);
  ASSERT_EQ(canvas.pages.size(), 1u);
  const auto& lines = canvas.pages[0].lines;
  // The square from (775, 400) to (1775, 1400): four sides and the diagonal.
  ASSERT_GE(lines.size(), 5u + 2u * 5u);
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
  std::vector<RecordingCanvas::Line> points;
  for (const auto& line : lines)
    if (line.pen == kChartPointPen) points.push_back(line);
  ASSERT_EQ(points.size(), 10u);
  EXPECT_EQ(points[0].x1, 795);
  EXPECT_EQ(points[0].y1, 1380 - 12);
  EXPECT_EQ(points[0].y2, 1380 + 13);
  EXPECT_EQ(points[1].x1, 795 - 12);
  EXPECT_EQ(points[1].x2, 795 + 13);
  EXPECT_EQ(points[8].x1, 1755);
  EXPECT_EQ(points[8].y1, 420 - 12);
  // Y Calc runs from 1.5 at 795 to 5.5 at 1755, 240 units a unit: its
  // round numbers 2 to 5 stand under the square, centred on their ticks.
  for (const int value : {2, 3, 4, 5}) {
    const auto* label = canvas.find(0, std::to_string(value));
    ASSERT_NE(label, nullptr) << value;
    EXPECT_EQ(label->align, TextAlign::Centre);
  }
  const auto* two = canvas.find(0, "2");
  EXPECT_EQ(two->x, 795 + 120);
  EXPECT_GT(two->y, 1400);
  // Y Obs runs from 1 at 1380 up to 5 at 420: "5" stands left of the
  // square, its middle at its tick.
  bool leftFive = false;
  for (const auto& text : canvas.pages[0].texts)
    if (text.text == "5" && text.align == TextAlign::Right && text.x < 775 && text.y == 420 - 24) leftFive = true;
  EXPECT_TRUE(leftFive);
  const auto& observed = At(canvas, 0, "Observed");
  EXPECT_EQ(observed.font, PrintFont::ChartCaptionVertical);
  EXPECT_LT(observed.x + 80, 775 - 20);
  const auto& calculated = At(canvas, 0, "Calculated");
  EXPECT_EQ(calculated.x, 1275);
  EXPECT_GT(calculated.y, two->y + 48);
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

TEST(GraphReport, PictureTitlesEquationAndCoefficientsWhereTheOrientationPutsThem) {
  const FitWorkspace equation = Line();
  VectorGraph graph;
  graph.size = 640;
  Document document;
  document.options.title1 = "Surface";
  document.options.title2 = "of gas";
  RecordingCanvas canvas;
  PrintGraphReport(canvas, Settings(), document, graph, equation);
  ASSERT_EQ(canvas.pages.size(), 1u);
  // The titles a line height and a quarter apart at 12 points, 75 units.
  ExpectText(At(canvas, 0, "Surface"), 1275, 300, TextAlign::Centre, PrintFont::Title1);
  ExpectText(At(canvas, 0, "of gas"), 1275, 375, TextAlign::Centre, PrintFont::Title2);
  ASSERT_EQ(canvas.pages[0].graphs.size(), 1u);
  const auto& drawn = canvas.pages[0].graphs[0];
  EXPECT_EQ(drawn.x, 300);
  EXPECT_EQ(drawn.y, 450);
  // Four lines of text and a blank one fit below a picture of 6.5 inches.
  EXPECT_EQ(drawn.side, 1950);
  ExpectText(At(canvas, 0, equation.text), 300, 450 + 1950 + 150, TextAlign::Left);
  ExpectText(At(canvas, 0, "Coefficients"), 300, 2550 + 120, TextAlign::Left);
  ExpectText(At(canvas, 0, "a = 2.500000000000E+00"), 300, 2730, TextAlign::Left);
  ExpectText(At(canvas, 0, "b = -1.250000000000E+03"), 300, 2790, TextAlign::Left);
  EXPECT_EQ(canvas.pages[0].texts.back().text, "1");

  // Lying, the text goes beside the picture, which gives up room for the
  // widest line: 23 characters of 28.8 units, 662, and 150 before it.
  RecordingCanvas landscape;
  PrintGraphReport(landscape, Settings(12, true), Document{}, graph, equation);
  ASSERT_EQ(landscape.pages.size(), 1u);
  const auto& beside = landscape.pages[0].graphs.at(0);
  EXPECT_EQ(beside.y, 300);
  EXPECT_EQ(beside.side, 3000 - 300 - 150 - 662);
  const int x = 300 + beside.side + 150;
  ExpectText(At(landscape, 0, equation.text), x, 300, TextAlign::Left);
  ExpectText(At(landscape, 0, "Coefficients"), x, 420, TextAlign::Left);
  ExpectText(At(landscape, 0, "b = -1.250000000000E+03"), x, 540, TextAlign::Left);

  // At 24 points a line no longer fits beside 6.5 inches: the picture gives way.
  RecordingCanvas large;
  PrintGraphReport(large, Settings(24, true), Document{}, graph, equation);
  const auto& smaller = large.pages[0].graphs.at(0);
  EXPECT_LT(smaller.side, 1950);
  const auto* line = large.find(0, "b = -1.250000000000E+03");
  ASSERT_NE(line, nullptr);
  EXPECT_GT(line->left(), smaller.x + smaller.side);
  EXPECT_LE(line->right(), 3000);
}

}  // namespace
}  // namespace rv::testing
