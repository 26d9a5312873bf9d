#include "print/print_job.h"

#include <gtest/gtest.h>

#include "print/job_fonts.h"
#include "recording_canvas.h"
#include "sample_documents.h"

namespace rv::testing {
namespace {

// Size 1 would give 4, 6 and 5 units, all below the lower clamp; size 40
// 160, 240 and 200, all above the upper one; at size 20 body 80 stays and
// the titles (120, 100) are just within.
TEST(PrintJobFonts, HeightsGrowWithTheFontSizeWithinTheirClamps) {
  const struct {
    int size;
    JobFontHeights heights;
  } cases[] = {{12, {48, 72, 60}},
               {1, {8, 8, 8}},
               {40, {120, 120, 120}},
               {20, {80, 120, 100}},
               {1'000'000'000, {120, 120, 120}}};
  for (const auto& c : cases) {
    const JobFontHeights heights = JobFontHeightsFor(c.size);
    EXPECT_EQ(heights.body, c.heights.body) << c.size;
    EXPECT_EQ(heights.title1, c.heights.title1) << c.size;
    EXPECT_EQ(heights.title2, c.heights.title2) << c.size;
  }
}

TEST(PrintSettingsClamps, CopiesAndTypedFontSizesStayInRange) {
  const std::pair<int, int> copies[] = {{0, 1}, {-4, 1}, {1, 1}, {99, 99}, {150, 99}};
  for (const auto& [typed, clamped] : copies) EXPECT_EQ(ClampCopies(typed), clamped) << typed;
  const std::pair<long long, int> sizes[] = {{0, 2}, {2, 2}, {48, 48}, {5'000'000'000LL, 48}};
  for (const auto& [typed, clamped] : sizes) EXPECT_EQ(ClampTypedFontSize(typed), clamped) << typed;
}

TEST(PrintSettingsClamps, AChoiceWithoutAPrinterOrFaceKeepsThePreviousOnesAndClampsWhatWasTyped) {
  PrintSettings previous;
  previous.printer = "office";
  previous.fontFace = "Arial";
  previous.copies = 4;
  const PrintSettings kept = ApplyPrintChoice(previous, PrintChoice{"", "", 0, 150, true});
  EXPECT_EQ(kept.printer, "office");
  EXPECT_EQ(kept.fontFace, "Arial");
  EXPECT_EQ(kept.fontSize, 2);
  EXPECT_EQ(kept.copies, 99);
  EXPECT_TRUE(kept.landscape);
  const PrintSettings chosen = ApplyPrintChoice(kept, PrintChoice{kPrintToPdf, "Courier New", 40, 0, false});
  EXPECT_EQ(chosen.printer, kPrintToPdf);
  EXPECT_EQ(chosen.fontFace, "Courier New");
  EXPECT_EQ(chosen.fontSize, 40);
  EXPECT_EQ(chosen.copies, 1);
  EXPECT_FALSE(chosen.landscape);
}

// The footer prints the path of a named sheet at the left and the page
// number at the right; a path without the Named flag is left over from
// before and not the sheet's, so it is not printed.
TEST(PrintJobPages, TheFooterPrintsThePathOfANamedSheetAndThePageNumber) {
  struct Footer {
    std::string text;
    int x;
    TextAlign align;
  };
  const struct {
    const char* name;
    bool named, landscape;
    int pageNumber, footerY;
    std::vector<Footer> texts;
  } cases[] = {
      {"named, portrait",
       true,
       false,
       7,
       3120,
       {{"/home/ada/fits/gas.rvd", 150, TextAlign::Left}, {"7", 2400, TextAlign::Right}}},
      {"named, landscape",
       true,
       true,
       7,
       2400,
       {{"/home/ada/fits/gas.rvd", 150, TextAlign::Left}, {"7", 3120, TextAlign::Right}}},
      {"unnamed", false, false, 1, 3120, {{"1", 2400, TextAlign::Right}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    DocumentState state;
    state.named = c.named;
    state.path = c.named ? "/home/ada/fits/gas.rvd" : "/left/over/from/before.rvd";
    PrintJob job = MakePrintJob(canvas, Settings(12, c.landscape), state, kDataReportName);
    ASSERT_TRUE(BeginPrintJob(job));
    StartPrintPage(job);
    job.pageCounter = c.pageNumber;
    EndPrintPage(job);
    EndPrintJob(job);

    ASSERT_EQ(canvas.pages.size(), 1u);
    const auto& texts = canvas.pages[0].texts;
    ASSERT_EQ(texts.size(), c.texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].text, c.texts[i].text);
      EXPECT_EQ(texts[i].x, c.texts[i].x) << texts[i].text;
      EXPECT_EQ(texts[i].y, c.footerY) << texts[i].text;
      EXPECT_EQ(texts[i].align, c.texts[i].align) << texts[i].text;
      EXPECT_EQ(texts[i].font, PrintFont::Footer) << texts[i].text;
    }
    EXPECT_TRUE(canvas.pages[0].ended);
    EXPECT_EQ(canvas.strayCalls, 0);
  }
}

TEST(PrintJobPages, TheDeviceIsOpenedWithTheSettings) {
  RecordingCanvas canvas;
  PrintSettings settings = Settings(9, true);
  settings.copies = 3;
  settings.fontFace = "Times New Roman";
  PrintJob job = MakePrintJob(canvas, settings, DocumentState{}, kDataReportName);
  ASSERT_TRUE(BeginPrintJob(job));
  EndPrintJob(job);
  EXPECT_EQ(canvas.setup.printer, "Office");
  // The job's name says the report and the sheet.
  EXPECT_EQ(canvas.setup.title, "Data \u2014 Untitled");
  EXPECT_TRUE(canvas.setup.landscape);
  EXPECT_EQ(canvas.setup.copies, 3);
  // Body and titles in the chosen face; the footer and the chart captions fixed.
  EXPECT_EQ(FontOf(canvas.setup.fonts, PrintFont::Body), (PrintFontChoice{"Times New Roman", 36, false}));
  EXPECT_EQ(FontOf(canvas.setup.fonts, PrintFont::Title1), (PrintFontChoice{"Times New Roman", 54, false}));
  EXPECT_EQ(FontOf(canvas.setup.fonts, PrintFont::Title2), (PrintFontChoice{"Times New Roman", 45, false}));
  EXPECT_EQ(FontOf(canvas.setup.fonts, PrintFont::Footer), (PrintFontChoice{"Arial", 32, false}));
  EXPECT_EQ(FontOf(canvas.setup.fonts, PrintFont::ChartCaptionVertical), (PrintFontChoice{"Tahoma", 80, true}));
}

// On A4 the layout's page is as wide as Letter and taller, so the footer
// keeps its distance from the paper's bottom edge.
TEST(PrintJobPages, TheGeometryIsThatOfThePaperTheDevicePrintsOn) {
  const std::pair<Paper, PageSize> papers[] = {{kLetterPaper, {2550, 3300}}, {kA4Paper, {2550, 3607}}};
  for (const auto& [paper, size] : papers) {
    SCOPED_TRACE(std::string(paper.name));
    RecordingCanvas canvas;
    canvas.paper = paper;
    PrintJob job = MakePrintJob(canvas, Settings(), DocumentState{}, kDataReportName);
    ASSERT_TRUE(BeginPrintJob(job));
    EXPECT_EQ(job.geometry.width, size.width);
    EXPECT_EQ(job.geometry.height, size.height);
    EXPECT_EQ(job.geometry.footerY, size.height - 180);
    EXPECT_EQ(job.geometry.pageNumberRight, size.width - 150);
    EXPECT_EQ(job.geometry.bodyRight, size.width - 300);
    EndPrintJob(job);
  }
  const PageGeometry lying = PageGeometryFor(true, LayoutPage(kA4Paper, true));
  EXPECT_EQ(lying.width, 3607);
  EXPECT_EQ(lying.footerY, 2400);
  EXPECT_EQ(lying.pageNumberRight, 3607 - 180);
}

}  // namespace
}  // namespace rv::testing
