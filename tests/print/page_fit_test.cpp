// Every report at every font size and orientation: what it prints stays on
// the page, above the footer and inside its place, and nothing is lost.

#include <gtest/gtest.h>

#include <algorithm>

#include "print/coefficients_report.h"
#include "print/data_report.h"
#include "print/function_report.h"
#include "print/page_geometry.h"
#include "print/residuals_report.h"
#include "print/std_errors_report.h"
#include "recording_canvas.h"
#include "sample_documents.h"
#include "sheet/value_text.h"
#include "stats/fitted_equation.h"
#include "stats/function_text.h"

namespace rv::testing {
namespace {

struct PageCase {
  int fontSize;
  bool landscape;
};

std::vector<PageCase> AllCases() {
  std::vector<PageCase> cases;
  for (const int size : {2, 12, 24, 48})
    for (const bool landscape : {false, true}) cases.push_back({size, landscape});
  return cases;
}

std::string Name(const PageCase& c) {
  return "size " + std::to_string(c.fontSize) + (c.landscape ? " landscape" : " portrait");
}

Document WithTitles() {
  Document document;
  document.options.title1 = "Pressure of an ideal gas";
  document.options.title2 = "Laboratory run 7";
  return document;
}

// Every text but the footer's ends above the footer line, inside the body's
// width, and every page ends.
void ExpectOnThePage(const RecordingCanvas& canvas, const PageCase& c) {
  const PageGeometry page = PageGeometryFor(c.landscape);
  for (size_t p = 0; p < canvas.pages.size(); ++p) {
    EXPECT_TRUE(canvas.pages[p].ended) << p;
    for (const auto& text : canvas.pages[p].texts) {
      if (text.font == PrintFont::Footer) continue;
      EXPECT_LE(text.y + FontOf(canvas.setup.fonts, text.font).height, page.footerY)
          << "page " << p << ": " << text.text;
      EXPECT_GE(text.shownLeft(), kLeftMargin) << text.text;
      EXPECT_LE(text.shownRight(), page.bodyRight) << text.text;
    }
  }
  EXPECT_EQ(canvas.strayCalls, 0);
}

// The body texts printed, page after page, without blanks, joined.
std::string Printed(const RecordingCanvas& canvas, const std::vector<std::string>& skip) {
  std::string joined;
  for (const auto& page : canvas.pages)
    for (const auto& text : page.texts)
      if (text.font == PrintFont::Body && std::find(skip.begin(), skip.end(), text.text) == skip.end())
        joined += text.text;
  std::erase(joined, ' ');
  return joined;
}

// An equation of as many terms as a candidate holds, far wider than the
// page at large sizes.
FitWorkspace LongEquation() {
  Candidate candidate;
  candidate.set = EquationSet::Y;
  for (int v = 1; candidate.termCount < kMaxCandidateTerms; ++v) {
    candidate.add({kTermX2, static_cast<std::uint8_t>(v), 0});
    if (candidate.termCount < kMaxCandidateTerms)
      candidate.add({kTermProduct, static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v % 10 + 1)});
  }
  FitWorkspace equation;
  equation.candidate = candidate;
  equation.text = EquationText(candidate);
  equation.constantColumn = candidate.termCount;
  for (int k = 0; k <= candidate.termCount; ++k)
    equation.coefficients[static_cast<size_t>(k)] = -1.234567890123e-300 * (k + 1);
  return equation;
}

TEST(PageFit, TheResidualTablePrintsEveryPointAboveTheFooterAsManyAPageAsFitAtMost50) {
  // More points than a data file's 99 rows hold: the pages go on.
  constexpr int kPoints = 1000;
  ResidualTable table;
  for (int i = 0; i < kPoints; ++i) {
    table.yObs.push_back(9000.123456 + i);
    table.yCalc.push_back(9000.5 + i);
  }
  for (const PageCase& c : AllCases()) {
    SCOPED_TRACE(Name(c));
    RecordingCanvas canvas;
    PrintResidualsReport(canvas, Settings(c.fontSize, c.landscape), WithTitles(), table, false);
    ExpectOnThePage(canvas, c);
    const int lineHeight = 5 * c.fontSize;
    const int footerY = PageGeometryFor(c.landscape).footerY;
    int next = 1;
    for (size_t p = 0; p < canvas.pages.size(); ++p) {
      SCOPED_TRACE(p);
      int rows = 0;
      int lastY = 0;
      for (const auto& text : canvas.pages[p].texts)
        if (text.font == PrintFont::Body && text.align == TextAlign::Left && text.text != "n") {
          EXPECT_EQ(text.text, std::to_string(next++));
          ++rows;
          lastY = text.y;
        }
      EXPECT_NE(canvas.find(p, "Y Obs"), nullptr);
      EXPECT_EQ(canvas.pages[p].texts.back().text, std::to_string(p + 1));
      EXPECT_LE(rows, 50);
      // A page that is not the last holds as many rows as fit.
      if (p + 1 < canvas.pages.size()) {
        EXPECT_TRUE(rows == 50 || lastY + 2 * lineHeight > footerY) << rows;
      }
    }
    EXPECT_EQ(next, kPoints + 1);
  }
}

TEST(PageFit, DataCellsKeepTheirTextInsideTheirRulesAndRowsAboveTheFooter) {
  // Row numbers of four digits too, past the data file's 99 rows.
  constexpr int kRows = 1000;
  Document document = WithTitles();
  document.sheet.cells.ensureRows(kRows);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kSheetColumns; ++c) document.sheet.cell(r, c) = 9000.12345599999 + r;
  document.sheet.names[3] = "Pressure";
  for (const PageCase& c : AllCases()) {
    SCOPED_TRACE(Name(c));
    RecordingCanvas canvas;
    PrintDataReport(canvas, Settings(c.fontSize, c.landscape), document);
    const PageGeometry page = PageGeometryFor(c.landscape);
    int rowNumbers = 0;
    for (size_t p = 0; p < canvas.pages.size(); ++p) {
      const auto& lines = canvas.pages[p].lines;
      for (const auto& line : lines) EXPECT_LE(std::max(line.y1, line.y2), page.footerY) << "page " << p;
      for (const auto& text : canvas.pages[p].texts) {
        if (text.font != PrintFont::Body) continue;
        // The cell is between the vertical rules on either side of the text.
        int cellLeft = INT_MIN, cellRight = INT_MAX;
        for (const auto& line : lines) {
          if (line.x1 != line.x2 || text.y < line.y1 || text.y > line.y2) continue;
          if (line.x1 <= text.x) cellLeft = std::max(cellLeft, line.x1);
          if (line.x1 > text.x) cellRight = std::min(cellRight, line.x1);
        }
        EXPECT_GE(text.shownLeft(), cellLeft) << text.text;
        EXPECT_LE(text.shownRight(), cellRight) << text.text;
        if (text.x < 300 + 8 * c.fontSize) ++rowNumbers;
        EXPECT_LE(text.y + FontOf(canvas.setup.fonts, text.font).height, page.footerY) << text.text;
      }
    }
    // Every row of every column block.
    EXPECT_EQ(rowNumbers % kRows, 0);
    EXPECT_GT(rowNumbers, 0);
    EXPECT_EQ(canvas.strayCalls, 0);
  }
}

TEST(PageFit, WideTextWrapsOntoFurtherLinesAndPagesAndLosesNothing) {
  const FitWorkspace equation = LongEquation();
  EquationStatistics statistics;
  statistics.equationText = equation.text;
  for (int k = 0; k <= equation.candidate.termCount; ++k)
    statistics.termRows.push_back({"X" + std::to_string(k) + "^2 ", "+1.234568E-01", "+12.345678", ""});
  for (const PageCase& c : AllCases()) {
    SCOPED_TRACE(Name(c));
    const PrintSettings settings = Settings(c.fontSize, c.landscape);
    for (const FunctionLanguage language : {FunctionLanguage::Basic, FunctionLanguage::C, FunctionLanguage::Fortran}) {
      RecordingCanvas listing;
      PrintFunctionReport(listing, settings, WithTitles(), equation, language);
      ExpectOnThePage(listing, c);
      std::string expected;
      for (const std::string& line : FunctionListingLines(equation, language)) expected += line;
      std::erase(expected, ' ');
      EXPECT_EQ(Printed(listing, {}), expected);
    }

    RecordingCanvas coefficients;
    PrintCoefficientsReport(coefficients, settings, WithTitles(), equation);
    ExpectOnThePage(coefficients, c);
    std::string words = Printed(coefficients, {});
    std::string text = equation.text;
    std::erase(text, ' ');
    EXPECT_EQ(words.substr(0, text.size()), text);
    // Each value starts after its label ends.
    for (size_t p = 0; p < coefficients.pages.size(); ++p) {
      const auto& texts = coefficients.pages[p].texts;
      for (size_t i = 0; i + 1 < texts.size(); ++i)
        if (texts[i].text.size() == 3 && texts[i].text.ends_with(" =")) {
          EXPECT_EQ(texts[i + 1].y, texts[i].y);
          EXPECT_GT(texts[i + 1].left(), texts[i].right()) << texts[i].text;
        }
    }
    for (int k = 0; k <= equation.candidate.termCount; ++k)
      EXPECT_NE(words.find(std::string(1, static_cast<char>('a' + k)) + "=" +
                           FormatValueText(equation.coefficients[static_cast<size_t>(k)], ValueTextMode::Scientific)),
                std::string::npos)
          << k;

    RecordingCanvas errors;
    PrintStdErrorsReport(errors, settings, WithTitles(), statistics);
    ExpectOnThePage(errors, c);
    int rows = 0;
    for (const auto& page : errors.pages)
      for (const auto& t : page.texts) rows += t.text == "+12.345678" ? 1 : 0;
    EXPECT_EQ(rows, equation.candidate.termCount + 1) << "every coefficient, the constant too";
  }
}

}  // namespace
}  // namespace rv::testing
