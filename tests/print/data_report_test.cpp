#include "print/data_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/page_geometry.h"
#include "recording_canvas.h"
#include "sample_documents.h"

namespace rv::testing {
namespace {

using Page = RecordingCanvas::Page;

// The body texts of a page drawn at y, left to right.
std::vector<std::string> RowTexts(const Page& page, int y) {
  std::vector<RecordingCanvas::Text> row;
  for (const auto& text : page.texts)
    if (text.y == y && text.font == PrintFont::Body) row.push_back(text);
  std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  std::vector<std::string> texts;
  texts.reserve(row.size());
  for (const auto& text : row) texts.push_back(text.text);
  return texts;
}

// The page number the footer of a page prints.
std::string PageNumber(const Page& page) {
  for (const auto& text : page.texts)
    if (text.font == PrintFont::Footer && text.align == TextAlign::Right) return text.text;
  return {};
}

int CountText(const Page& page, const std::string& wanted) {
  return static_cast<int>(
      std::count_if(page.texts.begin(), page.texts.end(), [&](const auto& t) { return t.text == wanted; }));
}

// The data report of a document as a device would have printed it.
RecordingCanvas Printed(const Document& document, const PrintSettings& settings = Settings()) {
  RecordingCanvas canvas;
  PrintDataReport(canvas, settings, document);
  return canvas;
}

void SetAllWidths(Document& document, int width) {
  for (int c = 0; c < kSheetColumns; ++c) SetColumnWidth(document.sheet, c, width);
}

TEST(DataReportLayout, FontSize12Quantities) {
  const DataTableLayout layout = DataTableLayoutFor(12);
  EXPECT_EQ(layout.rowHeight, 60);
  EXPECT_EQ(layout.inset, 8);
  EXPECT_EQ(layout.numberColumnWidth, 96);
  // The inset truncates: 10 × 200 / 300 is 6.
  EXPECT_EQ(DataTableLayoutFor(10).inset, 6);
  // At size 10 a 96-pixel column is an inch: 300 units; 131 pixels are
  // 131 × 10000 / 3200 = 409.375, truncated.
  Document document;
  SetColumnWidth(document.sheet, 0, 96);
  SetColumnWidth(document.sheet, 1, 131);
  EXPECT_EQ(ScaledColumnWidth(DataTableLayoutFor(10), document.sheet, 0), 300);
  EXPECT_EQ(ScaledColumnWidth(DataTableLayoutFor(10), document.sheet, 1), 409);
}

TEST(DataReport, ValuesInRowsOneToThreeOfYAndX1PrintTwoColumnsAndThreeRows) {
  const Document document = DocumentWithRows({{1.5, 10}, {2.5, 20}, {3.25, 30}});
  const RecordingCanvas canvas = Printed(document);

  ASSERT_EQ(canvas.pages.size(), 1u);
  const Page& page = canvas.pages[0];
  EXPECT_EQ(RowTexts(page, 308), (std::vector<std::string>{"Y", "X1"}));
  EXPECT_EQ(RowTexts(page, 368), (std::vector<std::string>{"1", "1.5", "10"}));
  EXPECT_EQ(RowTexts(page, 428), (std::vector<std::string>{"2", "2.5", "20"}));
  EXPECT_EQ(RowTexts(page, 488), (std::vector<std::string>{"3", "3.25", "30"}));
  EXPECT_EQ(CountText(page, "4"), 0);
  EXPECT_EQ(PageNumber(page), "1");

  // Right-aligned at the inset from each column's right rule: Y ends at
  // 396 + 80 × 12000 / 3200 = 696, X1 at 996.
  const auto* y = canvas.find(0, "Y");
  ASSERT_NE(y, nullptr);
  EXPECT_EQ(y->x, 688);
  EXPECT_EQ(y->align, TextAlign::Right);
  EXPECT_EQ(canvas.find(0, "X1")->x, 988);
  EXPECT_EQ(canvas.find(0, "3")->x, 388);

  // The rules: the top of every row and the bottom of the table run from
  // the left margin to the table's right edge.
  std::vector<int> ruleYs;
  for (const auto& line : page.lines)
    if (line.y1 == line.y2) {
      EXPECT_EQ(line.x1, 300);
      EXPECT_EQ(line.x2, 996);
      ruleYs.push_back(line.y1);
    }
  EXPECT_EQ(ruleYs, (std::vector<int>{300, 360, 420, 480, 540}));
  // The vertical rules of one row: left border, row-number column, each column.
  std::vector<int> verticalXs;
  for (const auto& line : page.lines)
    if (line.x1 == line.x2 && line.y1 == 360) {
      EXPECT_EQ(line.y2, 420);
      verticalXs.push_back(line.x1);
    }
  EXPECT_EQ(verticalXs, (std::vector<int>{300, 396, 696, 996}));
  EXPECT_EQ(canvas.strayCalls, 0);
}

TEST(DataReport, EmptyCellsPrintNothingAndFormatsApply) {
  Document document = DocumentWithRows({{1.5, 10, 7}, {EmptyValue, 20}});
  document.sheet.formats[1] = {FormatKind::Number, 3};
  document.sheet.formats[2] = {FormatKind::Scientific, 2};
  const RecordingCanvas canvas = Printed(document);
  ASSERT_EQ(canvas.pages.size(), 1u);
  EXPECT_EQ(RowTexts(canvas.pages[0], 368), (std::vector<std::string>{"1", "1.5", "10.000", "7.00E+00"}));
  // Row 2 has no Y and no X2, but its row is printed with its number.
  EXPECT_EQ(RowTexts(canvas.pages[0], 428), (std::vector<std::string>{"2", "20.000"}));
}

TEST(DataReport, TheExtentIsTheLastRowAndTheLastColumnHoldingAnyValue) {
  Document document;
  document.sheet.cell(6, 0) = 1;
  document.sheet.cell(2, 4) = 0;  // zero is a value
  const SheetExtent extent = PrintedExtent(document.sheet);
  EXPECT_EQ(extent.lastRow, 6);
  EXPECT_EQ(extent.lastColumn, 4);
  EXPECT_TRUE(PrintedExtent(Document{}.sheet).empty());
}

TEST(DataReport, AnEmptySheetPrintsNothing) {
  const RecordingCanvas canvas = Printed(Document{});
  EXPECT_EQ(canvas.jobsBegun, 0);
  EXPECT_TRUE(canvas.setup.printer.empty());
  EXPECT_TRUE(canvas.pages.empty());
}

// Titles are centred over the page in their own fonts and push the table
// down; a title of three characters or fewer takes no space, and Title 2
// alone takes Title 1's place.
TEST(DataReport, TitlesAreCentredAndPushTheTableDownUnlessTheyAreThreeCharactersOrFewer) {
  struct Title {
    std::string text;
    int x, y;
    PrintFont font;
  };
  const struct {
    const char* name;
    std::string title1, title2;
    bool landscape;
    std::vector<Title> printed;
    int headingY;
  } cases[] = {
      // Three letters in six bytes are three characters.
      {"short", "abc", "\xC3\xA4\xC3\xB6\xC3\xBC", false, {}, 308},
      // 300 + 12 × 50 / 8 = 375, then 12 × 5 / 3 = 20 before the heading row.
      {"title 1", "Gas law", "", false, {{"Gas law", 1275, 300, PrintFont::Title1}}, 395 + 8},
      {"both, landscape",
       "Gas law",
       "Run 2",
       true,
       {{"Gas law", 1575, 300, PrintFont::Title1}, {"Run 2", 1575, 375, PrintFont::Title2}},
       470 + 8},
      {"title 2 alone", "", "Run 2", false, {{"Run 2", 1275, 300, PrintFont::Title2}}, 395 + 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Document document = DocumentWithRows({{1, 2}});
    document.options.title1 = c.title1;
    document.options.title2 = c.title2;
    const RecordingCanvas canvas = Printed(document, Settings(12, c.landscape));
    ASSERT_EQ(canvas.pages.size(), 1u);
    for (const Title& title : c.printed) {
      const auto* text = canvas.find(0, title.text);
      ASSERT_NE(text, nullptr) << title.text;
      EXPECT_EQ(text->x, title.x);
      EXPECT_EQ(text->y, title.y);
      EXPECT_EQ(text->align, TextAlign::Centre);
      EXPECT_EQ(text->font, title.font);
    }
    for (const std::string& title : {c.title1, c.title2})
      if (!title.empty() && c.printed.empty()) EXPECT_EQ(canvas.find(0, title), nullptr) << title;
    EXPECT_EQ(canvas.find(0, "Y")->y, c.headingY);
  }
}

TEST(DataReport, LandscapePutsThePageNumberAtX3120AndTheFooterAtY2400) {
  Document document = DocumentWithRows({{1, 2}});
  document.state.named = true;
  document.state.path = "/tmp/sheet.rvd";
  const RecordingCanvas canvas = Printed(document, Settings(12, true));
  ASSERT_EQ(canvas.pages.size(), 1u);
  const auto* number = canvas.find(0, "1");
  const auto* path = canvas.find(0, "/tmp/sheet.rvd");
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(path->y, 2400);
  EXPECT_EQ(path->x, 150);
  // "1" is both a row number and the page number; the page number is the footer's.
  for (const auto& text : canvas.pages[0].texts)
    if (text.font == PrintFont::Footer && text.text == "1") number = &text;
  EXPECT_EQ(number->x, 3120);
  EXPECT_EQ(number->y, 2400);
}

TEST(DataReport, RowsBreakIntoPagesThatRepeatTheHeading) {
  // At size 12 portrait the heading ends at 360 and 42 rows reach 2880,
  // past the break at 2850.
  const RecordingCanvas canvas = Printed(FilledDocument(99, 2));
  ASSERT_EQ(canvas.pages.size(), 3u);
  const int rowsPerPage[] = {42, 42, 15};
  for (size_t p = 0; p < 3; ++p) {
    SCOPED_TRACE(p);
    const Page& page = canvas.pages[p];
    EXPECT_EQ(RowTexts(page, 308), (std::vector<std::string>{"Y", "X1"}));
    EXPECT_EQ(PageNumber(page), std::to_string(p + 1));
    int rows = 0;
    for (const auto& text : page.texts)
      if (text.x == 388 && text.font == PrintFont::Body) ++rows;
    EXPECT_EQ(rows, rowsPerPage[p]);
    EXPECT_TRUE(page.ended);
  }
  // The last row of the first page, and the first of the second.
  EXPECT_EQ(RowTexts(canvas.pages[0], 360 + 41 * 60 + 8).front(), "42");
  EXPECT_EQ(RowTexts(canvas.pages[1], 368).front(), "43");
  EXPECT_EQ(canvas.strayCalls, 0);
}

TEST(DataReport, ALastRowThatFillsItsPageEndsThatPageOnce) {
  // 42 rows end exactly at a page break: one page, closed once, and the
  // next block's page is number 2.
  Document document = FilledDocument(42, 17);
  SetAllWidths(document, 200);
  const RecordingCanvas canvas = Printed(document);
  EXPECT_EQ(canvas.strayCalls, 0);
  ASSERT_EQ(canvas.pages.size(), 9u);
  for (size_t p = 0; p < canvas.pages.size(); ++p) EXPECT_EQ(PageNumber(canvas.pages[p]), std::to_string(p + 1));
}

TEST(DataReport, SeventeenWideColumnsPrintInBlocksEachOnNewPagesWithTitlesAndHeadings) {
  // Each column prints 200 × 12000 / 3200 = 750 units wide: two fit below 2250.
  Document document = FilledDocument(5, 17);
  SetAllWidths(document, 200);
  document.options.title1 = "Wide sheet";
  const RecordingCanvas canvas = Printed(document);
  ASSERT_EQ(canvas.pages.size(), 9u);
  for (size_t p = 0; p < canvas.pages.size(); ++p) {
    SCOPED_TRACE(p);
    const Page& page = canvas.pages[p];
    ASSERT_NE(canvas.find(p, "Wide sheet"), nullptr);
    const std::vector<std::string> heading = RowTexts(page, 395 + 8);
    ASSERT_FALSE(heading.empty());
    EXPECT_EQ(heading.front(), DefaultColumnName(static_cast<int>(2 * p)));
    EXPECT_EQ(heading.size(), p < 8 ? 2u : 1u);
    EXPECT_EQ(PageNumber(page), std::to_string(p + 1));
    // Every block prints all five rows.
    EXPECT_EQ(RowTexts(page, 455 + 4 * 60 + 8).front(), "5");
  }
  // Each block starts at the row-number column again.
  EXPECT_EQ(canvas.find(2, "X4")->x, 396 + 750 - 8);
  EXPECT_EQ(canvas.find(2, "X5")->x, 396 + 1500 - 8);

  // Lying, the page holds three: 396 + 3 × 750 = 2646 is within 3000.
  const RecordingCanvas landscape = Printed(document, Settings(12, true));
  ASSERT_EQ(landscape.pages.size(), 6u);
  EXPECT_EQ(RowTexts(landscape.pages[0], 395 + 8), (std::vector<std::string>{"Y", "X1", "X2"}));
}

TEST(DataReport, AColumnWiderThanThePageNarrowsToThePageButNeverBelowItsTexts) {
  // At size 48 a column of 400 pixels would print 6000 units wide: it
  // prints in a block of its own, as wide as the page's body.
  Document document = FilledDocument(3, 3);
  SetColumnWidth(document.sheet, 1, 400);
  const RecordingCanvas canvas = Printed(document, Settings(48, false));
  ASSERT_EQ(canvas.pages.size(), 3u);
  EXPECT_EQ(RowTexts(canvas.pages[1], 300 + 32), (std::vector<std::string>{"X1"}));
  EXPECT_EQ(canvas.find(1, "X1")->x, 2250 - 32);
  for (const auto& line : canvas.pages[1].lines) EXPECT_LE(std::max(line.x1, line.x2), 2250);
  EXPECT_EQ(canvas.strayCalls, 0);

  // A column narrower than its texts widens to hold them.
  Document narrow = DocumentWithRows({{123456.789, 1}});
  SetColumnWidth(narrow.sheet, 0, 10);
  const RecordingCanvas widened = Printed(narrow, Settings(12, false));
  const auto* value = widened.find(0, "123456.789");
  ASSERT_NE(value, nullptr);
  EXPECT_GE(value->left(), 396 + 8);
  EXPECT_EQ(value->right(), value->clipRight - 8);
}

TEST(DataReport, FontSizesOutsideTheFieldsRangePrintAtItsEnds) {
  const Document document = FilledDocument(99, 17);
  const RecordingCanvas tiny = Printed(document, Settings(0, false));
  // Size 0 prints as size 2: rows 10 units apart, all on one page.
  ASSERT_EQ(tiny.pages.size(), 1u);
  EXPECT_EQ(tiny.strayCalls, 0);

  const RecordingCanvas huge = Printed(document, Settings(2'000'000'000, false));
  const RecordingCanvas largest = Printed(document, Settings(48, false));
  EXPECT_EQ(huge.pages.size(), largest.pages.size());
  EXPECT_EQ(huge.strayCalls, 0);
  EXPECT_EQ(huge.jobsEnded, 1);
}

}  // namespace
}  // namespace rv::testing
