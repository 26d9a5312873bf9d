#include "print/pdf_file_name.h"

#include <gtest/gtest.h>

namespace rv::testing {
namespace {

TEST(PdfFileName, EachReportIsOfferedUnderItsOwnNameAndTitledWithTheDataFile) {
  DocumentState named;
  named.named = true;
  named.path = "/home/ada/fits/gas.law.rvd";
  named.fileTitle = "gas.law.rvd";
  named.dataFolder = "/home/ada/fits";
  EXPECT_EQ(ReportTitle(kResidualsReportName, named), "Residuals \u2014 gas.law.rvd");
  EXPECT_EQ(ReportFileStem(kResidualsReportName, named), "gas.law-residuals");
  EXPECT_EQ(DefaultPdfPath("gas.law-residuals", "", named, "/opt/regrovantis"), "/home/ada/fits/gas.law-residuals.pdf");
  // The folder the last PDF went to comes first.
  EXPECT_EQ(DefaultPdfPath("gas.law-data", "/tmp/out/", named, "/opt"), "/tmp/out/gas.law-data.pdf");
  named.dataFolder = "/";
  EXPECT_EQ(DefaultPdfPath("x", "", named, "/opt/regrovantis"), "/x.pdf");
  named.fileTitle = ".hidden";
  EXPECT_EQ(ReportFileStem(kGraphReportName, named), ".hidden-graph");

  DocumentState unnamed;
  unnamed.fileTitle = "stale.rvd";  // without the Named flag the title is not the sheet's
  EXPECT_EQ(ReportTitle(kDataReportName, unnamed), "Data \u2014 Untitled");
  EXPECT_EQ(ReportFileStem(kStdErrorsReportName, unnamed), "Untitled-std-errors");
  EXPECT_EQ(DefaultPdfPath("Untitled-data", "", unnamed, "/opt/regrovantis"), "/opt/regrovantis/Untitled-data.pdf");
  EXPECT_EQ(DefaultPdfPath("Untitled-data", "", unnamed, ""), "Untitled-data.pdf");
}

}  // namespace
}  // namespace rv::testing
