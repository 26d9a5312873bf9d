#include "print/print_job.h"

#include <gtest/gtest.h>

#include "print/job_fonts.h"
#include "recording_canvas.h"
#include "sample_documents.h"

namespace rv::testing {
namespace {

TEST(PrintJobFonts, HeightsGrowWithTheFontSizeWithinTheirClamps) {
  const JobFontHeights twelve = JobFontHeightsFor(12);
  EXPECT_EQ(twelve.body, 48);
  EXPECT_EQ(twelve.title1, 72);
  EXPECT_EQ(twelve.title2, 60);
  // Size 1 would give 4, 6 and 5 units: all come up to the lower clamp.
  const JobFontHeights one = JobFontHeightsFor(1);
  EXPECT_EQ(one.body, 8);
  EXPECT_EQ(one.title1, 8);
  EXPECT_EQ(one.title2, 8);
  // Size 40 would give 160, 240 and 200.
  const JobFontHeights forty = JobFontHeightsFor(40);
  EXPECT_EQ(forty.body, 120);
  EXPECT_EQ(forty.title1, 120);
  EXPECT_EQ(forty.title2, 120);
  // Size 20: body 80 stays, the titles (120, 100) are just within.
  EXPECT_EQ(JobFontHeightsFor(20).title1, 120);
  EXPECT_EQ(JobFontHeightsFor(20).title2, 100);
  EXPECT_EQ(JobFontHeightsFor(1'000'000'000).body, 120);
}

TEST(PrintSettingsClamps, CopiesAndTypedFontSizesStayInRange) {
  EXPECT_EQ(ClampCopies(0), 1);
  EXPECT_EQ(ClampCopies(-4), 1);
  EXPECT_EQ(ClampCopies(1), 1);
  EXPECT_EQ(ClampCopies(99), 99);
  EXPECT_EQ(ClampCopies(150), 99);
  EXPECT_EQ(ClampTypedFontSize(0), 2);
  EXPECT_EQ(ClampTypedFontSize(2), 2);
  EXPECT_EQ(ClampTypedFontSize(48), 48);
  EXPECT_EQ(ClampTypedFontSize(5'000'000'000LL), 48);
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

TEST(PrintJobPages, TheFooterPrintsThePathOfANamedSheetAndThePageNumber) {
  for (const bool landscape : {false, true}) {
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    RecordingCanvas canvas;
    DocumentState named;
    named.named = true;
    named.path = "/home/ada/fits/gas.rvd";
    PrintJob job = MakePrintJob(canvas, Settings(12, landscape), named, kDataReportName);
    ASSERT_TRUE(BeginPrintJob(job));
    StartPrintPage(job);
    job.pageCounter = 7;
    EndPrintPage(job);
    EndPrintJob(job);

    ASSERT_EQ(canvas.pages.size(), 1u);
    const auto& texts = canvas.pages[0].texts;
    ASSERT_EQ(texts.size(), 2u);
    const int footerY = landscape ? 2400 : 3120;
    EXPECT_EQ(texts[0].text, "/home/ada/fits/gas.rvd");
    EXPECT_EQ(texts[0].x, 150);
    EXPECT_EQ(texts[0].y, footerY);
    EXPECT_EQ(texts[0].align, TextAlign::Left);
    EXPECT_EQ(texts[0].font, PrintFont::Footer);
    EXPECT_EQ(texts[1].text, "7");
    EXPECT_EQ(texts[1].x, landscape ? 3120 : 2400);
    EXPECT_EQ(texts[1].y, footerY);
    EXPECT_EQ(texts[1].align, TextAlign::Right);
    EXPECT_EQ(texts[1].font, PrintFont::Footer);
    EXPECT_TRUE(canvas.pages[0].ended);
    EXPECT_EQ(canvas.strayCalls, 0);
  }
}

TEST(PrintJobPages, AnUnnamedSheetPrintsOnlyThePageNumber) {
  RecordingCanvas canvas;
  DocumentState unnamed;
  unnamed.path = "/left/over/from/before.rvd";  // a path without the Named flag is not the sheet's
  PrintJob job = MakePrintJob(canvas, Settings(), unnamed, kDataReportName);
  ASSERT_TRUE(BeginPrintJob(job));
  StartPrintPage(job);
  job.pageCounter = 1;
  EndPrintPage(job);
  EndPrintJob(job);
  EXPECT_EQ(canvas.textsOf(0), std::vector<std::string>{"1"});
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
