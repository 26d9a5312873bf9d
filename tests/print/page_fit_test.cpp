// Every report at every font size, in both orientations, on A4 and Letter:
// every text lies whole inside its cell and the page, no two texts run into
// each other, nothing reaches the footer, and the numbers printed are the
// very texts the screen shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <map>

#include "base/vector_graph.h"
#include "print/coefficients_report.h"
#include "print/criteria_report.h"
#include "print/data_report.h"
#include "print/function_report.h"
#include "print/graph_report.h"
#include "print/residuals_report.h"
#include "print/std_errors_report.h"
#include "recording_canvas.h"
#include "sample_documents.h"
#include "sheet/value_text.h"
#include "stats/criteria_text.h"
#include "stats/fitted_equation.h"
#include "stats/function_text.h"
#include "stats/statistics_pass.h"

namespace rv::testing {
namespace {

struct PageCase {
  int fontSize;
  bool landscape;
  Paper paper;
};

std::vector<PageCase> AllCases() {
  std::vector<PageCase> cases;
  for (const int size : {2, 8, 12, 24, 48})
    for (const bool landscape : {false, true})
      for (const Paper& paper : {kLetterPaper, kA4Paper}) cases.push_back({size, landscape, paper});
  return cases;
}

std::string Name(const PageCase& c) {
  return std::string(c.paper.name) + " size " + std::to_string(c.fontSize) + (c.landscape ? " landscape" : " portrait");
}

// A box on the page, y downward.
struct Box {
  int left, top, right, bottom;
  bool overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

// Where a text's glyphs lie: a vertical text runs upward from its point,
// its cell to the right of it.
Box BoxOf(const RecordingCanvas& canvas, const RecordingCanvas::Text& text) {
  const PrintFontChoice& font = FontOf(canvas.setup.fonts, text.font);
  if (font.vertical) return {text.x, text.y - text.width, text.x + font.height, text.y};
  return {text.left(), text.y, text.right(), text.y + font.height};
}

// Every page ends; every text lies inside the page and above the footer
// (the footer's own inside the page), whole inside its cell where it has
// one, and clear of every other text and of the graph; every line and the
// graph lie inside the page above the footer.
void ExpectLaidOut(const RecordingCanvas& canvas) {
  EXPECT_EQ(canvas.strayCalls, 0);
  ASSERT_FALSE(canvas.pages.empty());
  const PageGeometry page = PageGeometryFor(canvas.setup.landscape, canvas.pageSize());
  for (size_t p = 0; p < canvas.pages.size(); ++p) {
    SCOPED_TRACE("page " + std::to_string(p + 1));
    const RecordingCanvas::Page& drawn = canvas.pages[p];
    EXPECT_TRUE(drawn.ended);
    std::vector<Box> boxes;
    for (const auto& text : drawn.texts) {
      const Box box = BoxOf(canvas, text);
      const int bottom = text.font == PrintFont::Footer ? page.height : page.footerY;
      EXPECT_TRUE(box.left >= 0 && box.right <= page.width && box.top >= 0 && box.bottom <= bottom)
          << '"' << text.text << "\" at " << box.left << ", " << box.top << " to " << box.right << ", " << box.bottom;
      if (text.clipLeft != INT_MIN || text.clipRight != INT_MAX) {
        EXPECT_TRUE(text.left() >= text.clipLeft && text.right() <= text.clipRight)
            << '"' << text.text << "\" from " << text.left() << " to " << text.right() << " in its cell from "
            << text.clipLeft << " to " << text.clipRight;
      }
      for (size_t other = 0; other < boxes.size(); ++other)
        EXPECT_FALSE(box.overlaps(boxes[other]))
            << '"' << text.text << "\" runs into \"" << drawn.texts[other].text << '"';
      boxes.push_back(box);
    }
    for (const auto& line : drawn.lines)
      EXPECT_TRUE(std::min(line.x1, line.x2) >= 0 && std::max(line.x1, line.x2) <= page.width &&
                  std::min(line.y1, line.y2) >= 0 && std::max(line.y1, line.y2) <= page.footerY)
          << line.x1 << ", " << line.y1 << " to " << line.x2 << ", " << line.y2;
    for (const auto& graph : drawn.graphs) {
      const Box box{graph.x, graph.y, graph.x + graph.side, graph.y + graph.side};
      EXPECT_TRUE(box.left >= 0 && box.right <= page.width && box.top >= 0 && box.bottom <= page.footerY);
      for (size_t t = 0; t < boxes.size(); ++t) EXPECT_FALSE(box.overlaps(boxes[t])) << drawn.texts[t].text;
    }
  }
}

// How often each body text was printed, all pages together; a line "a =
// value" counts as its value too.
std::map<std::string, int> PrintedTexts(const RecordingCanvas& canvas) {
  std::map<std::string, int> printed;
  for (const auto& page : canvas.pages)
    for (const auto& text : page.texts) {
      if (text.font != PrintFont::Body) continue;
      ++printed[text.text];
      if (const size_t equals = text.text.find(" = "); equals != std::string::npos)
        ++printed[text.text.substr(equals + 3)];
    }
  return printed;
}

// Every text the screen shows was printed as a text of its own, as often
// as the screen shows it (a number split over two lines, or cut, is not).
void ExpectPrinted(const RecordingCanvas& canvas, const std::vector<std::string>& shown) {
  std::map<std::string, int> expected;
  for (const std::string& text : shown) ++expected[text];
  const std::map<std::string, int> printed = PrintedTexts(canvas);
  for (const auto& [text, count] : expected) {
    const auto found = printed.find(text);
    EXPECT_GE(found == printed.end() ? 0 : found->second, count) << '"' << text << '"';
  }
}

// 120 points of a law with a large offset and small terms, so that the
// screen's texts are as long as they come: negative exponents, signs.
std::vector<std::vector<double>> Rows() {
  std::vector<std::vector<double>> rows;
  for (int r = 0; r < 120; ++r) {
    const double x1 = 1.0 + r * 0.37;
    const double x2 = 0.001 * (r + 1);
    const double wobble = ((r * 7919) % 13 - 6) * 0.0173;
    rows.push_back({25000.0 + 3.1 * x1 * x1 - 700.0 * x2 + wobble, x1, x2, 9000.12345599999 + r});
  }
  return rows;
}

struct Sample {
  Document document;
  FitWorkspace equation;
  EquationStatistics statistics;
  VectorGraph graph;
};

const Sample& TheSample() {
  static const Sample sample = [] {
    Sample s;
    const std::vector<std::vector<double>> rows = Rows();
    s.document.sheet.cells.ensureRows(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
      for (size_t c = 0; c < rows[r].size(); ++c)
        s.document.sheet.cell(static_cast<int>(r), static_cast<int>(c)) = rows[r][c];
    s.document.sheet.names[3] = "Pressure";
    s.document.options.title1 = "Pressure of an ideal gas";
    s.document.options.title2 = "Laboratory run 7";
    s.document.state.named = true;
    s.document.state.path = "/home/ada/gas99.rvd";
    s.document.state.fileTitle = "gas99.rvd";
    std::vector<std::vector<double>> fitted;
    fitted.reserve(rows.size());
    for (const auto& row : rows) fitted.push_back({row[0], row[1], row[2]});
    s.equation = FitEquation(fitted, MakeCandidate(EquationSet::Y, {{kTermX2, 1, 0}, {kTermX, 2, 0}}));
    s.statistics = StatisticsPass(s.equation);
    s.graph.size = 640;
    s.graph.pieces.push_back({2, {10, 600, 0}, {600, 10, 0}, 0});
    return s;
  }();
  return sample;
}

using Report = std::function<void(PageCanvas& canvas, const PrintSettings& settings)>;

struct ReportCase {
  const char* name;
  Report print;
  std::vector<std::string> shown;  // the texts the screen shows, each to be printed whole
};

std::vector<ReportCase> AllReports() {
  const Sample& s = TheSample();
  std::vector<std::string> cells;
  const SheetExtent extent = PrintedExtent(s.document.sheet);
  for (int r = 0; r <= extent.lastRow; ++r)
    for (int c = 0; c <= extent.lastColumn; ++c) cells.push_back(FormatCellText(s.document.sheet, r, c));
  std::vector<std::string> residuals;
  for (const ResidualRow& row : s.statistics.residualRows)
    residuals.insert(residuals.end(), {row.yObs, row.yCalc, row.difference, row.pctDiff});
  std::vector<std::string> terms;
  for (const TermRow& row : s.statistics.termRows)
    terms.insert(terms.end(), {row.label, row.stdError, row.tStat, row.pValue});
  std::vector<std::string> criteria;
  const FitCriteria fit = BuildFitCriteria(s.statistics);
  for (const CriterionRow& row : CriterionRows(fit)) criteria.insert(criteria.end(), {row.name, row.value});
  for (const IntervalRow& row : IntervalRows(s.statistics, fit))
    criteria.insert(criteria.end(), {row.label, row.lower, row.upper});
  std::vector<std::string> coefficients;
  coefficients.reserve(static_cast<size_t>(s.equation.coefficientCount()));
  for (int k = 0; k < s.equation.coefficientCount(); ++k)
    coefficients.push_back(FormatValueText(s.equation.coefficients[static_cast<size_t>(k)], ValueTextMode::Scientific));

  std::vector<ReportCase> reports = {
      {"data", [&s](PageCanvas& c, const PrintSettings& p) { PrintDataReport(c, p, s.document); }, cells},
      {"coefficients",
       [&s](PageCanvas& c, const PrintSettings& p) { PrintCoefficientsReport(c, p, s.document, s.equation); },
       coefficients},
      {"residuals",
       [&s](PageCanvas& c, const PrintSettings& p) { PrintResidualsReport(c, p, s.document, s.statistics, false); },
       residuals},
      {"chart",
       [&s](PageCanvas& c, const PrintSettings& p) { PrintResidualsReport(c, p, s.document, s.statistics, true); },
       {}},
      {"std errors",
       [&s](PageCanvas& c, const PrintSettings& p) { PrintStdErrorsReport(c, p, s.document, s.statistics); }, terms},
      {"criteria", [&s](PageCanvas& c, const PrintSettings& p) { PrintCriteriaReport(c, p, s.document, s.statistics); },
       criteria},
      {"graph",
       [&s](PageCanvas& c, const PrintSettings& p) { PrintGraphReport(c, p, s.document, s.graph, s.equation); },
       coefficients},
  };
  for (const auto& [name, language] : {std::pair{"basic", FunctionLanguage::Basic}, std::pair{"c", FunctionLanguage::C},
                                       std::pair{"fortran", FunctionLanguage::Fortran}})
    reports.push_back({name,
                       [&s, language = language](PageCanvas& c, const PrintSettings& p) {
                         PrintFunctionReport(c, p, s.document, s.equation, language);
                       },
                       {}});
  return reports;
}

// Each report's job begins and ends once, and its pages number on from 1.
TEST(PageFit, EveryReportAtEverySizeOrientationAndPaperPrintsWholeTextsInsideTheirCellsAndThePage) {
  for (const ReportCase& report : AllReports())
    for (const PageCase& c : AllCases()) {
      SCOPED_TRACE(std::string(report.name) + ", " + Name(c));
      RecordingCanvas canvas;
      canvas.paper = c.paper;
      report.print(canvas, Settings(c.fontSize, c.landscape));
      EXPECT_EQ(canvas.jobsBegun, 1);
      EXPECT_EQ(canvas.jobsEnded, 1);
      ExpectLaidOut(canvas);
      ExpectPrinted(canvas, report.shown);
      for (size_t p = 0; p < canvas.pages.size(); ++p)
        EXPECT_EQ(canvas.pages[p].texts.back().text, std::to_string(p + 1)) << p;
      if (::testing::Test::HasFailure()) return;
    }
}

// Every report stops when its job cannot start: no page, no end of a job
// that never began.
TEST(PageFit, NoReportPrintsWhenTheJobCannotStart) {
  for (const ReportCase& report : AllReports()) {
    SCOPED_TRACE(report.name);
    RecordingCanvas refused;
    refused.acceptJob = false;
    report.print(refused, Settings());
    EXPECT_TRUE(refused.pages.empty());
    EXPECT_EQ(refused.jobsEnded, 0);
    EXPECT_EQ(refused.strayCalls, 0);
  }
}

// A comment that wraps stays a comment on every line it takes, in every
// language; code lines wrap as they are.
TEST(PageFit, WrappedCommentLinesKeepTheirCommentMark) {
  const Sample& s = TheSample();
  FitWorkspace equation = s.equation;
  equation.text += " + a long tail of words that makes the comment far wider than any page at this size";
  const std::pair<FunctionLanguage, std::string> marks[] = {
      {FunctionLanguage::Basic, "'"}, {FunctionLanguage::C, "/*"}, {FunctionLanguage::Fortran, "C"}};
  for (const auto& [language, mark] : marks) {
    SCOPED_TRACE(mark);
    RecordingCanvas canvas;
    PrintFunctionReport(canvas, Settings(24, false), s.document, equation, language);
    ExpectLaidOut(canvas);
    int commentLines = 0;
    bool inComment = false;
    bool ended = false;
    for (const auto& page : canvas.pages)
      for (const auto& text : page.texts) {
        if (text.font != PrintFont::Body || ended) continue;
        // The equation's words run from the first line holding "Y =" to the one holding "size".
        if (text.text.find("Y =") != std::string::npos) inComment = true;
        if (!inComment) continue;
        ++commentLines;
        EXPECT_TRUE(text.text.starts_with(mark)) << text.text;
        if (language == FunctionLanguage::C) {
          EXPECT_TRUE(text.text.ends_with("*/")) << text.text;
        }
        ended = text.text.find("size") != std::string::npos || text.text.find("SIZE") != std::string::npos;
      }
    EXPECT_GT(commentLines, 2);
  }
}

}  // namespace
}  // namespace rv::testing
